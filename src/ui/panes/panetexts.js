// Run in the search, picker and control panes' documents once the page text
// is parsed: the texts the page writes in English for the reader (its
// button and labels, each list's first entry, the parts' names, the search
// box's hint and the tooltips) in the reader's language, from the window's
// table: { texts: { english: shown }, part: "Part %1" as the language writes
// it }. A text the table does not hold stays as it is; the page file is not
// touched. window.tilvoraTexts.apply(config) applies another table when the
// reader chooses another language.
'use strict';

var englishOf = new WeakMap();

// The node's or attribute's English, kept the first time it is seen.
function english(key, current) {
  if (!englishOf.has(key)) englishOf.set(key, current);
  return englishOf.get(key);
}

function shownText(table, text) {
  var trimmed = text.trim();
  var part = /^Part (\d+)(.*)$/.exec(trimmed);
  var shown = Object.prototype.hasOwnProperty.call(table.texts || {}, trimmed) ? table.texts[trimmed]
    : part && table.part ? table.part.replace('%1', part[1]) + part[2] : trimmed;
  return text.replace(trimmed, shown);
}

function apply(table) {
  var elements = document.querySelectorAll('button, label, option[value=""], #cmbParah option');
  Array.prototype.forEach.call(elements, function (element) {
    Array.prototype.forEach.call(element.childNodes, function (node) {
      if (node.nodeType === 3 && node.nodeValue.trim()) node.nodeValue = shownText(table, english(node, node.nodeValue));
    });
  });
  ['title', 'placeholder'].forEach(function (name) {
    Array.prototype.forEach.call(document.querySelectorAll('[' + name + ']'), function (element) {
      var node = element.getAttributeNode(name);
      element.setAttribute(name, shownText(table, english(node, node.value)));
    });
  });
}

window.tilvoraTexts = { apply: function (table) { pane.whenParsed(function () { apply(table); }); } };
pane.whenParsed(function () {
  apply(config);
});
