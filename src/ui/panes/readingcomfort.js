// The reader's comfort settings in every document of every pane, applied by
// style and script without touching the page text.
//   - every pane: the theme's style sheet (`config.css`), in force from the
//     document's first paint;
//   - the reading pane: a heading before the first verse of each chapter when
//     the page shows verses of several chapters, and each occurrence of the
//     searched text highlighted, with a way to step from match to match. Both
//     wait until the page's first screen is shown; the highlight then goes
//     in slices, the verses in view first, so that the reader never waits
//     for it. A question about the matches finishes it first.
// `config`: { css: text, reading: bool,
//   chapters: [[number, firstRef, arabic, title]],
//   needle: text (the search text in its searched form, or empty),
//   fold: { character: replacement } (the Arabic folding's table) }
// The window calls window.tilvoraComfort.apply(newConfig) when a setting
// changes.
'use strict';

var sheet = null;
var matches = [];
var current = -1;
// What the page's headings and marks were made for, and the highlight still
// under way.
var marked = null;
var pending = null;

// The theme's style sheet, adopted by the document as it is created: the
// page is laid out once, in its theme. A page without a document type (the
// program's pages) matches class names in lower case, but a sheet made
// before the page's type is known keeps them as written: each rule that
// names a class in capitals is given again in lower case.
function setStyle(css) {
  if (!sheet) {
    sheet = new CSSStyleSheet();
    document.adoptedStyleSheets = document.adoptedStyleSheets.concat([sheet]);
  }
  sheet.replaceSync(css || '');
  var rules = sheet.cssRules;
  for (var i = rules.length - 1; i >= 0; --i) {
    var selector = rules[i].selectorText;
    if (selector && selector !== selector.toLowerCase())
      sheet.insertRule(selector.toLowerCase() + ' { ' + rules[i].style.cssText + ' }', i + 1);
  }
}

// The chapter of a verse reference: the last chapter starting at or before it.
function chapterOf(chapters, ref) {
  var low = 0;
  var high = chapters.length - 1;
  var found = null;
  while (low <= high) {
    var middle = (low + high) >> 1;
    if (chapters[middle][1] <= ref) {
      found = chapters[middle];
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return found;
}

function addHeadings(chapters) {
  var old = document.querySelectorAll('.tilvora-heading');
  for (var k = 0; k < old.length; ++k) old[k].parentNode.removeChild(old[k]);
  if (!chapters || chapters.length === 0) return;
  var tables = pane.verseTables();
  var firsts = [];
  var last = null;
  tables.forEach(function (table) {
    var chapter = chapterOf(chapters, Number(table.id));
    if (chapter && chapter !== last) firsts.push({ table: table, chapter: chapter });
    last = chapter;
  });
  if (firsts.length < 2) return; // one chapter: the page says which
  firsts.forEach(function (first) {
    var heading = document.createElement('div');
    heading.className = 'tilvora-heading';
    heading.setAttribute('data-chapter', String(first.chapter[0]));
    var arabic = document.createElement('span');
    arabic.className = 'tilvora-heading-arabic';
    arabic.setAttribute('dir', 'rtl');
    arabic.textContent = first.chapter[2];
    var title = document.createElement('span');
    title.textContent = first.chapter[3];
    heading.appendChild(title);
    if (first.chapter[2]) heading.appendChild(arabic);
    // Before the verse's anchor, so that a jump to the verse shows its table.
    var anchor = first.table.previousElementSibling;
    var before = anchor && anchor.tagName === 'A' ? anchor : first.table;
    before.parentNode.insertBefore(heading, before);
  });
}

// The superscript alef: the search drops it, but the searchable text writes
// it as a full alef in some words (وَٰحِدٍ is searched as واحد) and not at all
// in others (ٱلرَّحْمَٰنِ as الرحمن). The searched form keeps it, and a needle
// matches it either way (see needlePattern).
var SUPERSCRIPT_ALEF = '\u0670';
var ALEF = '\u0627';

// A text in its searched form, character by character, with the position in
// the text of each character of the form.
function searchForm(text, fold) {
  var form = '';
  var positions = [];
  for (var i = 0; i < text.length; ++i) {
    var c = text.charAt(i);
    var folded = c === SUPERSCRIPT_ALEF ? c
      : Object.prototype.hasOwnProperty.call(fold, c) ? fold[c] : c.toLowerCase();
    for (var j = 0; j < folded.length; ++j) {
      form += folded.charAt(j);
      positions.push(i);
    }
  }
  return { form: form, positions: positions };
}

// The folded needle as a pattern over a searched form: an alef of the needle
// also matches a superscript alef, and a superscript alef between two of its
// letters is passed over.
function needlePattern(needle) {
  var parts = [];
  for (var i = 0; i < needle.length; ++i) {
    var c = needle.charAt(i);
    parts.push(c === ALEF ? '[' + ALEF + SUPERSCRIPT_ALEF + ']' : c.replace(/[.*+?^${}()|[\]\\\/-]/g, '\\$&'));
  }
  return new RegExp(parts.join(SUPERSCRIPT_ALEF + '?'), 'g');
}

function clearMatches() {
  var marks = document.querySelectorAll('mark.tilvora-match');
  for (var k = 0; k < marks.length; ++k) {
    var mark = marks[k];
    var parent = mark.parentNode;
    while (mark.firstChild) parent.insertBefore(mark.firstChild, mark);
    parent.removeChild(mark);
    parent.normalize();
  }
  matches = [];
  current = -1;
}

function isDropped(c, fold) {
  return Object.prototype.hasOwnProperty.call(fold, c) && fold[c] === '';
}

function markNode(node, pattern, fold) {
  var text = node.nodeValue;
  var searched = searchForm(text, fold);
  var ranges = [];
  var found;
  pattern.lastIndex = 0;
  while ((found = pattern.exec(searched.form)) !== null) {
    var start = searched.positions[found.index];
    var end = searched.positions[found.index + found[0].length - 1] + 1;
    // A match that begins with a superscript alef starts at the letter it is
    // written on; the marks written on the last letter belong to the match.
    if (text.charAt(start) === SUPERSCRIPT_ALEF) {
      while (start > 0 && isDropped(text.charAt(start - 1), fold)) --start;
      if (start > 0) --start;
    }
    while (end < text.length && isDropped(text.charAt(end), fold)) ++end;
    if (ranges.length > 0) start = Math.max(start, ranges[ranges.length - 1][1]);
    if (start < end) ranges.push([start, end]);
  }
  for (var r = ranges.length - 1; r >= 0; --r) {
    var tail = node.splitText(ranges[r][0]);
    tail.splitText(ranges[r][1] - ranges[r][0]);
    var mark = document.createElement('mark');
    mark.className = 'tilvora-match';
    tail.parentNode.insertBefore(mark, tail);
    mark.appendChild(tail);
  }
}

function markTable(table, pattern, fold) {
  var walker = document.createTreeWalker(table, NodeFilter.SHOW_TEXT, null);
  var nodes = [];
  while (walker.nextNode()) nodes.push(walker.currentNode);
  nodes.forEach(function (node) { markNode(node, pattern, fold); });
}

// The verse tables from the one at the top of the pane on, then those above.
function inViewFirst() {
  var tables = pane.verseTables();
  var top = tables.indexOf(pane.topVerse());
  return top > 0 ? tables.slice(top).concat(tables.slice(0, top)) : tables;
}

function highlight(needle, fold) {
  clearMatches();
  if (!needle) return null;
  var folded = searchForm(needle, fold).form;
  if (!folded) return null;
  var pattern = needlePattern(folded);
  var tables = inViewFirst();
  return pane.inSlices('comfort:highlight', tables.length, function (i) {
    markTable(tables[i], pattern, fold);
  }, function () {
    matches = Array.prototype.slice.call(document.querySelectorAll('mark.tilvora-match'));
  });
}

// The headings and the highlight for `settings`, unless the page has them:
// a new theme or font changes the style alone.
function markPage(settings) {
  var chapters = settings.chapters || [];
  var needle = settings.needle || '';
  if (marked && marked.needle === needle && marked.chapters === chapters.length) return;
  marked = { needle: needle, chapters: chapters.length };
  if (pending) pending.cancel();
  pane.timed('comfort:headings', function () { addHeadings(chapters); });
  pending = highlight(needle, settings.fold || {});
}

// The page's headings and marks complete, for a question about them.
function settle() {
  if (config.reading && !marked && document.readyState !== 'loading') markPage(config);
  if (pending) pending.finish();
}

function step(direction) {
  settle();
  if (matches.length === 0) return 0;
  if (current >= 0 && matches[current]) matches[current].classList.remove('tilvora-current');
  current = current < 0 ? (direction > 0 ? 0 : matches.length - 1)
                        : (current + direction + matches.length) % matches.length;
  var mark = matches[current];
  mark.classList.add('tilvora-current');
  mark.scrollIntoView({ block: 'center' });
  return current + 1;
}

// The verse table nearest the top of the window.
function topVerse() {
  var table = pane.topVerse();
  return table ? Number(table.id) : 0;
}

function showVerse(ref) {
  var table = document.getElementById(String(ref));
  if (!table) return false;
  table.scrollIntoView({ block: 'start' });
  return true;
}

function apply(settings) {
  config = settings;
  setStyle(settings.css);
  // Before the first screen the page's marks wait for it.
  if (settings.reading && marked) markPage(settings);
}

window.tilvoraComfort = {
  apply: apply,
  next: function () { return step(1); },
  previous: function () { return step(-1); },
  matchCount: function () {
    settle();
    return matches.length;
  },
  topVerse: topVerse,
  showVerse: showVerse,
};
setStyle(config.css);
if (config.reading) {
  pane.afterFirstScreen(function () {
    if (!marked) markPage(config);
  });
}
