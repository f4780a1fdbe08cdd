// "Hide the text" in the reading pane: the words of the Quran text's cells
// are hidden in their place (their colour made transparent, so each line
// keeps its width) and come back as the window says, through
// window.tilvoraHiding. The page text is not changed: each word gets a span
// of its own, added when hiding starts. The verse's label stays.
//   start(classes)        the words of the cells of these classes, from the
//                         verse at the top of the pane on, all hidden;
//                         returns [[verse, words], ...] per cell, in order
//   reveal(hiding, count) shows the first `count` of them, hides the rest
'use strict';

var kWord = 'tilvora-w';
var kHidden = 'tilvora-hid';
var kHiding = 'tilvora-hiding';
var kLabel = /^\{\d+:\d+\}$/;
var words = [];
var shown = 0;

function ensureStyle() {
  if (document.getElementById('tilvora-hiding-style'))
    return;
  var style = document.createElement('style');
  style.id = 'tilvora-hiding-style';
  style.textContent = 'body.' + kHiding + ' .' + kWord + '.' + kHidden
    + ' { color: transparent !important; text-shadow: none !important; }';
  (document.head || document.documentElement).appendChild(style);
}

// The words of a cell, each in a span of its own (made once).
function wordsOf(cell) {
  var made = cell.getElementsByClassName(kWord);
  if (made.length)
    return Array.prototype.slice.call(made);
  var texts = [];
  var walker = document.createTreeWalker(cell, NodeFilter.SHOW_TEXT);
  while (walker.nextNode())
    texts.push(walker.currentNode);
  var list = [];
  texts.forEach(function (node) {
    if (!/\S/.test(node.nodeValue))
      return;
    var pieces = document.createDocumentFragment();
    node.nodeValue.split(/(\s+)/).forEach(function (part) {
      if (!part)
        return;
      // Blanks, and the verse's label ({2:255}), stay as they are.
      if (!/\S/.test(part) || kLabel.test(part)) {
        pieces.appendChild(document.createTextNode(part));
        return;
      }
      var span = document.createElement('span');
      span.className = kWord;
      span.textContent = part;
      pieces.appendChild(span);
      list.push(span);
    });
    node.parentNode.replaceChild(pieces, node);
  });
  return list;
}

window.tilvoraHiding = {
  start: function (classes) {
    ensureStyle();
    Array.prototype.forEach.call(document.getElementsByClassName(kHidden), function (w) {
      w.classList.remove(kHidden);
    });
    words = [];
    var cells = [];
    var tables = pane.verseTables();
    var top = Math.max(0, tables.indexOf(pane.topVerse()));
    for (var t = top; t < tables.length; ++t) {
      Array.prototype.forEach.call(tables[t].getElementsByTagName('td'), function (cell) {
        var name = cell.className.replace(/_Sel$/, '');
        if (classes.indexOf(name) < 0)
          return;
        var list = wordsOf(cell);
        list.forEach(function (w) { w.classList.add(kHidden); });
        words = words.concat(list);
        cells.push([Number(tables[t].id), list.length]);
      });
    }
    shown = 0;
    return cells;
  },
  reveal: function (hiding, count) {
    document.body.classList.toggle(kHiding, hiding);
    count = Math.max(0, Math.min(count, words.length));
    for (var i = Math.min(count, shown); i < Math.max(count, shown); ++i)
      words[i].classList.toggle(kHidden, i >= count);
    if (hiding && count > shown && count > 0)
      words[count - 1].scrollIntoView({ block: 'nearest' });
    shown = count;
    return count;
  }
};
