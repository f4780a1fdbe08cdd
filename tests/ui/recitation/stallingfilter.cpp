#include "stallingfilter.h"

#include <gst/base/gstbasetransform.h>
#include <gst/gst.h>

#include <condition_variable>
#include <mutex>

namespace tilvora::test {

namespace {

std::mutex g_lock;
std::condition_variable g_changed;
bool g_stalled = false;
int g_closings = 0;
GstElementClass* g_parentClass = nullptr;

struct Stall {
    GstBaseTransform parent;
    bool flushing;
};

struct StallClass {
    GstBaseTransformClass parent;
};

GstFlowReturn hold(GstBaseTransform* element, GstBuffer* /*buffer*/)
{
    auto* self = reinterpret_cast<Stall*>(element);
    std::unique_lock lock(g_lock);
    g_changed.wait(lock, [self] { return !g_stalled || self->flushing; });
    return self->flushing ? GST_FLOW_FLUSHING : GST_FLOW_OK;
}

gboolean takeEvent(GstBaseTransform* element, GstEvent* event)
{
    auto* self = reinterpret_cast<Stall*>(element);
    if (GST_EVENT_TYPE(event) == GST_EVENT_FLUSH_START || GST_EVENT_TYPE(event) == GST_EVENT_FLUSH_STOP) {
        const std::scoped_lock lock(g_lock);
        self->flushing = GST_EVENT_TYPE(event) == GST_EVENT_FLUSH_START;
        g_changed.notify_all();
    }
    return GST_BASE_TRANSFORM_CLASS(g_parentClass)->sink_event(element, event);
}

GstStateChangeReturn changeState(GstElement* element, GstStateChange transition)
{
    if (transition == GST_STATE_CHANGE_PAUSED_TO_READY) {
        // Closed: the held buffer goes, and the stall with it.
        const std::scoped_lock lock(g_lock);
        g_stalled = false;
        ++g_closings;
        g_changed.notify_all();
    }
    return g_parentClass->change_state(element, transition);
}

void initialiseClass(gpointer klass, gpointer /*data*/)
{
    static GstStaticPadTemplate sink
        = GST_STATIC_PAD_TEMPLATE("sink", GST_PAD_SINK, GST_PAD_ALWAYS, GST_STATIC_CAPS_ANY);
    static GstStaticPadTemplate source
        = GST_STATIC_PAD_TEMPLATE("src", GST_PAD_SRC, GST_PAD_ALWAYS, GST_STATIC_CAPS_ANY);
    g_parentClass = static_cast<GstElementClass*>(g_type_class_peek_parent(klass));
    auto* element = GST_ELEMENT_CLASS(klass);
    gst_element_class_set_static_metadata(element, "Stall", "Filter", "Holds the sound when told", "Tilvora tests");
    gst_element_class_add_static_pad_template(element, &sink);
    gst_element_class_add_static_pad_template(element, &source);
    element->change_state = changeState;
    auto* transform = GST_BASE_TRANSFORM_CLASS(klass);
    transform->passthrough_on_same_caps = TRUE;
    transform->transform_ip_on_passthrough = TRUE;
    transform->transform_ip = hold;
    transform->sink_event = takeEvent;
}

void initialiseInstance(GTypeInstance* instance, gpointer /*klass*/)
{
    reinterpret_cast<Stall*>(instance)->flushing = false;
}

} // namespace

void StallingFilter::registerElement()
{
    static const bool registered = [] {
        gst_init(nullptr, nullptr);
        const GType type = g_type_register_static_simple(GST_TYPE_BASE_TRANSFORM, "TilvoraStall", sizeof(StallClass),
            initialiseClass, sizeof(Stall), initialiseInstance, GTypeFlags{});
        return gst_element_register(nullptr, "tilvorastall", GST_RANK_NONE, type) == TRUE;
    }();
    (void)registered;
}

void StallingFilter::stall()
{
    const std::scoped_lock lock(g_lock);
    g_stalled = true;
}

int StallingFilter::closings()
{
    const std::scoped_lock lock(g_lock);
    return g_closings;
}

} // namespace tilvora::test
