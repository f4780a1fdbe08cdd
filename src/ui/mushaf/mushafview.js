// The mushaf view's page script: shows the pages the program sends, sizes
// the font to the pane, justifies each text line to the page's width by its
// word spacing, and reports clicks, double-clicks, the verse menu and turns
// to the program through the web channel ("tilvoraMushaf").
'use strict';

(function () {
  var bridge = null;
  var state = { zoom: 1, pages: 1, marked: 0, selected: 0, hiding: false, revealed: 0 };
  // The page's shape in ems of the font: line height, text width and what
  // the frame, the page number and the margins add.
  var LINE = 1.95;
  // The text's width: most lines of the font's text are a little narrower
  // (their median is 16 ems) and are spread by their gaps; the longest
  // (up to 22.5 ems) are set a little smaller to fit.
  var WIDTH = 17.0;
  // How far a gap may close before a line is set smaller instead.
  var TIGHTEST_GAP = -0.08;
  var PAGE_EXTRA_H = 1.9;
  var PAGE_EXTRA_W = 5.0;

  function each(selector, f) {
    Array.prototype.forEach.call(document.querySelectorAll(selector), f);
  }

  function fit() {
    var lines = 15;
    var fromHeight = (window.innerHeight - 8) / (lines * LINE + PAGE_EXTRA_H);
    var fromWidth = (window.innerWidth - 16) / (state.pages * (WIDTH + PAGE_EXTRA_W) + 0.5 * (state.pages - 1));
    var size = Math.max(6, Math.min(fromHeight, fromWidth)) * state.zoom;
    var root = document.documentElement.style;
    root.fontSize = size + 'px';
    root.setProperty('--line-height', (LINE * size) + 'px');
    root.setProperty('--line-width', (WIDTH * size) + 'px');
    justify(WIDTH * size, size);
  }

  // Every text line of a page after the first two spans the text's width:
  // the room left is shared among its word gaps; a line too long closes its
  // gaps a little, and what is still too long is set in a smaller size.
  function justify(width, size) {
    var texts = [];
    each('.page:not(.opening) .text', function (t) {
      t.style.wordSpacing = '';
      t.style.fontSize = '';
      texts.push(t);
    });
    var natural = texts.map(function (t) { return t.getBoundingClientRect().width; });
    texts.forEach(function (t, k) {
      var gaps = t.querySelectorAll('.w, .e, .s').length - 1;
      if (gaps <= 0) return;
      var spacing = (width - natural[k]) / gaps;
      if (spacing >= TIGHTEST_GAP * size) {
        t.style.wordSpacing = spacing + 'px';
        return;
      }
      var tight = natural[k] + gaps * TIGHTEST_GAP * size;
      t.style.fontSize = (width / tight) + 'em';
      t.style.wordSpacing = (TIGHTEST_GAP * size * width / tight) + 'px';
    });
  }

  function applyMarks() {
    each('.sel', function (e) { e.classList.remove('sel'); });
    each('.rec', function (e) { e.classList.remove('rec'); });
    if (state.selected) each('[data-v="' + state.selected + '"]', function (e) { e.classList.add('sel'); });
    if (state.marked) each('[data-v="' + state.marked + '"]', function (e) { e.classList.add('rec'); });
  }

  function applyHiding() {
    document.body.classList.toggle('hiding', state.hiding);
    each('.w', function (w) { w.classList.toggle('hid', Number(w.dataset.i) >= state.revealed); });
  }

  function verseOf(target) {
    var span = target && target.closest ? target.closest('[data-v]') : null;
    return span ? Number(span.dataset.v) : 0;
  }

  window.tilvoraMushaf = {
    // The pages' markup, how many pages it holds, the token to report once
    // painted, and the view's state: { theme, zoom, marked, selected, hiding }.
    show: function (html, pages, token, view) {
      state.pages = pages;
      state.zoom = view.zoom;
      state.marked = view.marked;
      state.selected = view.selected;
      state.hiding = view.hiding;
      state.revealed = 0;
      document.body.className = view.theme;
      document.getElementById('book').innerHTML = html;
      each('.page', function (p) { if (Number(p.dataset.page) <= 2) p.classList.add('opening'); });
      window.scrollTo(0, 0);
      fit();
      applyMarks();
      applyHiding();
      requestAnimationFrame(function () {
        setTimeout(function () { if (bridge) bridge.painted(token); }, 0);
      });
    },
    fit: fit,
    setZoom: function (zoom) { state.zoom = zoom; fit(); },
    setTheme: function (name) { document.body.className = name + (state.hiding ? ' hiding' : ''); },
    mark: function (ref) { state.marked = ref; applyMarks(); },
    select: function (ref) { state.selected = ref; applyMarks(); },
    reveal: function (hiding, revealed) { state.hiding = hiding; state.revealed = revealed; applyHiding(); },
    lineWidths: function () {
      return Array.prototype.map.call(document.querySelectorAll('.text'), function (t) {
        return t.getBoundingClientRect().width;
      });
    }
  };

  document.addEventListener('click', function (event) {
    if (!bridge) return;
    if (state.hiding) { bridge.revealClicked(); return; }
    var ref = verseOf(event.target);
    if (ref) { state.selected = ref; applyMarks(); bridge.clicked(ref); }
  });
  document.addEventListener('dblclick', function (event) {
    var ref = verseOf(event.target);
    if (bridge && ref && !state.hiding) bridge.doubleClicked(ref);
  });
  document.addEventListener('contextmenu', function (event) {
    event.preventDefault();
    var ref = verseOf(event.target);
    if (bridge && ref) bridge.menu(ref);
  });
  // The wheel turns the page at the page's edge: when nothing is left to
  // scroll that way.
  document.addEventListener('wheel', function (event) {
    if (!bridge || event.ctrlKey) return;
    var root = document.scrollingElement;
    var atEnd = root.scrollTop + root.clientHeight >= root.scrollHeight - 1;
    var atStart = root.scrollTop <= 0;
    if (event.deltaY > 0 && atEnd) bridge.turn(1);
    else if (event.deltaY < 0 && atStart) bridge.turn(-1);
  }, { passive: true });
  window.addEventListener('resize', fit);

  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects.tilvoraMushaf;
    bridge.ready();
  });
})();
