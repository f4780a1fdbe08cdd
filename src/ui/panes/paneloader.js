// The one loader of the pane scripts. The window installs it in every
// document of a pane as the document is created, in the page's own world,
// with the modules that pane takes (see PaneScripts). Each module is one file
// of this folder with one job, run in the order given as a function of
// (config, pane): `config` is what the window set for it, `pane` the helpers
// below, which every module shares (and which the window reaches as
// window.tilvoraPane). Each module's run is timed on the engine's clock: a
// performance measure named "tilvora:" and the module's name (":parsed" for
// its work once the page text is parsed, other suffixes for later work).
// The host wraps this text as a function of `modules`:
//   [{ name: text, config: value, run: function (config, pane) }]
'use strict';

var pane = {};
var running = '';
var parsedWork = [];

// Runs `work` now and records its time as "tilvora:<name>".
pane.timed = function (name, work) {
  var mark = 'tilvora:' + name;
  performance.mark(mark);
  try {
    return work();
  } catch (error) {
    console.error(mark + ': ' + error);
  } finally {
    performance.measure(mark, mark);
  }
};

// The verse tables of the reading page: <table class="sura" id="AyahRef">,
// the id being the verse's reference. Once the page text is parsed the list
// is kept: the page's verses do not change.
var verseClass = /(^|\s)sura(\s|$)/i;
var verseList = null;

pane.isVerseTable = function (element) {
  return !!element && element.tagName === 'TABLE' && verseClass.test(element.className) && /^\d+$/.test(element.id);
};

pane.verseTableOf = function (node) {
  var element = node && node.nodeType === 1 ? node : node ? node.parentElement : null;
  var table = element && element.closest ? element.closest('table') : null;
  return pane.isVerseTable(table) ? table : null;
};

pane.verseTables = function () {
  if (verseList) return verseList;
  var tables = Array.prototype.filter.call(document.getElementsByTagName('table'), pane.isVerseTable);
  if (document.readyState !== 'loading') verseList = tables;
  return tables;
};

// The first verse table whose bottom lies below the top of the pane (the
// last one when all are above it), or null. Tables far from view are not
// laid out: the search goes by halves, asking for the boxes of a few only.
pane.topVerse = function () {
  var tables = pane.verseTables();
  var low = 0;
  var high = tables.length - 1;
  if (high < 0) return null;
  while (low < high) {
    var middle = (low + high) >> 1;
    if (tables[middle].getBoundingClientRect().bottom > 4) high = middle;
    else low = middle + 1;
  }
  return tables[low];
};

// `work` once the page text is parsed, after the modules' own earlier work.
pane.whenParsed = function (work) {
  var name = (running || 'later') + ':parsed';
  if (document.readyState === 'loading') parsedWork.push({ name: name, work: work });
  else pane.timed(name, work);
};

// `work` once the page's first screen has been shown: a frame after the page
// text is parsed. A pane out of view paints no frames: then a moment later.
pane.afterFirstScreen = function (work) {
  pane.whenParsed(function () {
    var started = false;
    var start = function () {
      if (started) return;
      started = true;
      setTimeout(work, 0);
    };
    requestAnimationFrame(start);
    setTimeout(start, 250);
  });
};

// Calls step(i) for i from 0 to count - 1 in slices of a few milliseconds,
// letting the engine paint and take the reader's input between them, then
// done(). The answer's finish() does what is left at once (for a caller that
// needs the whole result now); cancel() drops it.
pane.inSlices = function (name, count, step, done) {
  var next = 0;
  var timer = 0;
  var over = false;
  var runFor = function (budgetMs) {
    pane.timed(name, function () {
      var until = performance.now() + budgetMs;
      while (next < count && performance.now() < until) step(next++);
      if (next >= count && !over) {
        over = true;
        if (done) done();
      }
    });
  };
  var slice = function () {
    timer = 0;
    runFor(8);
    if (!over) timer = setTimeout(slice, 0);
  };
  timer = setTimeout(slice, 0);
  return {
    finish: function () {
      if (over) return;
      clearTimeout(timer);
      runFor(Infinity);
    },
    cancel: function () {
      over = true;
      clearTimeout(timer);
    },
  };
};

window.tilvoraPane = pane;

modules.forEach(function (module) {
  running = module.name;
  pane.timed(module.name, function () { module.run(module.config, pane); });
});
running = '';

if (document.readyState === 'loading') {
  document.addEventListener('DOMContentLoaded', function () {
    var work = parsedWork;
    parsedWork = [];
    work.forEach(function (item) { pane.timed(item.name, item.work); });
  });
}
