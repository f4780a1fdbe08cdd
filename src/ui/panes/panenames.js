// Run in the control pane's documents once the page text is parsed: names for
// a screen reader where the page gives its controls none it can read. The
// rows' lists carry a title without letters: each is named for its row. A
// voice's radio button is named by the voice's name written beside it, and
// the link after it ("...") as the way to that voice's folder. The page text
// is not touched. The names' wording comes from the window in the reader's
// language: { row: "Text in row %1", mediaFolder: "Media folder of %1" };
// window.tilvoraNames.apply(config) names the controls again in another
// language.
'use strict';

function apply(names) {
  Array.prototype.forEach.call(document.querySelectorAll('select'), function (list) {
    var row = /(^|\s)Row(\d+)(\s|$)/.exec(list.className);
    if (!row || /\p{L}/u.test(list.title || '')) return;
    list.setAttribute('aria-label', names.row.replace('%1', String(Number(row[2]) + 1)));
  });

  Array.prototype.forEach.call(document.querySelectorAll('input[type=radio]'), function (radio) {
    var beside = radio.nextSibling;
    var name = beside && beside.nodeType === 3 ? beside.nodeValue.trim() : '';
    if (!name) return;
    radio.setAttribute('aria-label', name);
    var link = radio.nextElementSibling;
    if (link && link.tagName === 'A') link.setAttribute('aria-label', names.mediaFolder.replace('%1', name));
  });
}

window.tilvoraNames = { apply: function (names) { pane.whenParsed(function () { apply(names); }); } };
pane.whenParsed(function () {
  apply(config);
});
