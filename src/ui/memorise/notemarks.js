// Marks the verses that have a note of the reader's: in the verse table a
// bar beside the verse, on a mushaf page a line under the verse's end sign.
// Run by the window with the list of those verses (AyahRefs) whenever a page
// is shown or a note changes; the page text is not touched.
(function (verses) {
  'use strict';
  var kMark = 'tilvora-noted';
  if (!document.getElementById('tilvora-noted-style')) {
    var style = document.createElement('style');
    style.id = 'tilvora-noted-style';
    style.textContent = 'table.sura.' + kMark + ' { border-inline-start: 0.3em solid #b8860b !important; }\n'
      + '.e.' + kMark + ' { box-shadow: inset 0 -0.14em 0 #b8860b; }';
    (document.head || document.documentElement).appendChild(style);
  }
  Array.prototype.forEach.call(document.querySelectorAll('.' + kMark), function (e) { e.classList.remove(kMark); });
  verses.forEach(function (ref) {
    var table = document.getElementById(String(ref));
    if (table && table.tagName === 'TABLE')
      table.classList.add(kMark);
    Array.prototype.forEach.call(document.querySelectorAll('.e[data-v="' + ref + '"]'), function (e) {
      e.classList.add(kMark);
    });
  });
  return verses.length;
})
