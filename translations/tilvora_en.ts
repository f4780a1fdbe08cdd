<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QtHost</name>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln verse
  shown</numerusform>
            <numerusform>  %Ln verses
  shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln verse
  found</numerusform>
            <numerusform>  %Ln verses
  found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>This voice already has a recording of its own for %n verse in the chapters %1 (a file per verse, say). Replace it with the start found in the chapter files?

If you keep it, those chapters are left as they are.</numerusform>
            <numerusform>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>Finding the verse starts of %n chapter...</numerusform>
            <numerusform>Finding the verse starts of %n chapters...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Stopped: the starts of %1 of %n chapter are stored.</numerusform>
            <numerusform>Stopped: the starts of %1 of %n chapters are stored.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Done: the starts of %1 of %2 chapters are stored; %n verse to check.</numerusform>
            <numerusform>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>%n text offered by the service.</numerusform>
            <numerusform>%n texts offered by the service.</numerusform>
        </translation>
    </message>
</context>
</TS>
