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
  // The steps of showing a page, marked on the engine's clock for the
  // benchmark (each show replaces the marks of the last).
  var STEPS = ['show', 'dom', 'fit', 'script', 'frame', 'layout', 'painted'];

  var FONT = '1em "KFGQPC HAFS Uthmanic Script"';

  // The spreads the program sent: the one shown lies in #book, the others
  // are held ready to show, laid out and justified ahead in a room out of
  // sight (the shadow tree of #ahead, which the document's queries do not
  // reach), then kept aside until shown. Each remembers the font size its
  // lines were justified for.
  var held = {};
  var shownKey = null;
  var room = null;
  var size = 0;
  var pending = 0;
  var shownToken = 0;

  function each(selector, f) {
    Array.prototype.forEach.call(document.querySelectorAll(selector), f);
  }

  // The font size that fits a spread of `pages` pages into the pane.
  function sizeFor(pages) {
    var lines = 15;
    var fromHeight = (window.innerHeight - 8) / (lines * LINE + PAGE_EXTRA_H);
    var fromWidth = (window.innerWidth - 16) / (pages * (WIDTH + PAGE_EXTRA_W) + 0.5 * (pages - 1));
    return Math.max(6, Math.min(fromHeight, fromWidth)) * state.zoom;
  }

  function setSize(pages) {
    size = sizeFor(pages);
    var root = document.documentElement.style;
    root.fontSize = size + 'px';
    root.setProperty('--line-height', (LINE * size) + 'px');
    root.setProperty('--line-width', (WIDTH * size) + 'px');
  }

  // Sets the spread shown for the pane's size now, those held later.
  function fit() {
    setSize(state.pages);
    var entry = held[shownKey];
    if (entry) justify([entry]);
    justifyHeldLater();
  }

  // Every text line of a page after the first two spans the text's width:
  // the room left is shared among its word gaps; a line too long closes its
  // gaps a little, and what is still too long is set in a smaller size. All
  // the lines of the given spreads are measured first and set after, so
  // the engine lays them out once.
  function justify(entries) {
    var width = WIDTH * size;
    var texts = [];
    entries.forEach(function (entry) {
      Array.prototype.forEach.call(entry.el.querySelectorAll('.page:not(.opening) .text'), function (t) {
        t.style.wordSpacing = '';
        t.style.fontSize = '';
        texts.push(t);
      });
      entry.size = size;
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

  function makeRoom() {
    var host = document.createElement('div');
    host.id = 'ahead';
    host.setAttribute('aria-hidden', 'true');
    document.body.appendChild(host);
    room = host.attachShadow({ mode: 'open' });
    var sheet = new CSSStyleSheet();
    sheet.replaceSync(document.getElementById('mushaf-style').textContent);
    room.adoptedStyleSheets = [sheet];
  }

  // Justifies the spreads held that are not yet set for the font size of
  // the pane, in the room out of sight, all at once.
  function justifyHeld() {
    pending = 0;
    // Lines measured in a fallback font would be set wrong: those wait to
    // be justified when shown.
    if (!document.fonts.check(FONT)) return;
    if (!room) makeRoom();
    var todo = Object.keys(held).map(function (key) { return held[key]; }).filter(function (entry) {
      return entry !== held[shownKey] && entry.pages === state.pages && entry.size !== size;
    });
    todo.forEach(function (entry) { room.appendChild(entry.el); });
    justify(todo);
    todo.forEach(function (entry) { entry.el.remove(); });
  }

  function justifyHeldLater() {
    if (!pending) pending = requestIdleCallback(justifyHeld, { timeout: 1000 });
  }

  // A spread's elements from its markup; pages 1 and 2 are set as opening pages.
  function make(spread) {
    var box = document.createElement('div');
    box.innerHTML = spread.html;
    var el = box.firstElementChild;
    Array.prototype.forEach.call(el.querySelectorAll('.page'), function (p) {
      if (Number(p.dataset.page) <= 2) p.classList.add('opening');
    });
    return { el: el, pages: spread.pages, size: 0 };
  }

  // Tells the program once the next frame is painted (marks set on the way).
  function reportPainted(token) {
    shownToken = token;
    requestAnimationFrame(function () {
      performance.mark('frame');
      // The frame's style and layout, done here rather than just after
      // (the same work), so that the marks tell them from the paint.
      void document.body.offsetHeight;
      performance.mark('layout');
      setTimeout(function () {
        performance.mark('painted');
        if (bridge) bridge.painted(token);
      }, 0);
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
    // Shows a spread: { key, html, pages } for one sent now, { key } for one
    // held ahead; the token to report once painted, and the view's state:
    // { theme, zoom, marked, selected, hiding }.
    show: function (spread, token, view) {
      STEPS.forEach(function (name) { performance.clearMarks(name); });
      performance.mark('show');
      var fresh = spread.html !== undefined;
      var entry = fresh ? make(spread) : held[spread.key];
      if (fresh) held[spread.key] = entry;
      shownKey = spread.key;
      state.pages = entry.pages;
      state.zoom = view.zoom;
      state.marked = view.marked;
      state.selected = view.selected;
      state.hiding = view.hiding;
      state.revealed = 0;
      document.body.className = view.theme;
      document.getElementById('book').replaceChildren(entry.el);
      window.scrollTo(0, 0);
      performance.mark('dom');
      var go = function () {
        setSize(state.pages);
        if (entry.size !== size) justify([entry]);
        performance.mark('fit');
        applyMarks();
        applyHiding();
        performance.mark('script');
        reportPainted(token);
      };
      // The lines are measured in the page's font: the first page waits
      // for it if it is still loading.
      if (document.fonts.check(FONT)) {
        go();
      } else {
        performance.mark('font-missing');
        document.fonts.load(FONT).then(go, go);
      }
    },
    // Holds the spreads sent ([{ key, html, pages }]) ready to show, and
    // keeps only those whose keys are in `keep` (all when it is null) and
    // the one shown. They are justified out of sight once the engine is
    // idle: a turn that comes first goes first (and justifies its spread).
    hold: function (spreads, keep) {
      if (keep) {
        Object.keys(held).forEach(function (key) {
          if (key !== String(shownKey) && keep.indexOf(Number(key)) < 0) delete held[key];
        });
      }
      spreads.forEach(function (spread) { held[spread.key] = make(spread); });
      justifyHeldLater();
    },
    fit: fit,
    // Reports the spread shown as painted again after the next frame (the
    // benchmark repaints it by itself and times it the same way).
    reportPainted: function () { reportPainted(shownToken); },
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

  // The page's font is read once, while the program is still connecting.
  document.fonts.load(FONT).then(function () { performance.mark('fonts'); });
  new QWebChannel(qt.webChannelTransport, function (channel) {
    performance.mark('channel');
    bridge = channel.objects.tilvoraMushaf;
    bridge.ready();
  });
})();
