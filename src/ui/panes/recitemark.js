// Marks the verse being recited in the reading page and keeps it in view.
// Run as each document of the reading pane is created; the window calls
// window.tilvoraRecitation.mark(id) each time the recited verse changes (and
// after a new page loads). The page text is not touched: the mark is a class
// on the verse table and a style element of its own.
//
// The verse is scrolled to the middle of the pane, unless the reader scrolled
// by hand (wheel, keys, scroll bar, touch) during the last few seconds: then
// the pane stays where the reader put it.
'use strict';

var kMarkClass = 'tilvora-reciting';
var lastHandScroll = 0;

function handScrolled() { lastHandScroll = Date.now(); }
['wheel', 'touchmove', 'keydown'].forEach(function (name) {
  window.addEventListener(name, handScrolled, { capture: true, passive: true });
});
// A press on the scroll bar lies outside the document's elements.
window.addEventListener('mousedown', function (event) {
  if (event.clientX >= document.documentElement.clientWidth
      || event.clientY >= document.documentElement.clientHeight)
    handScrolled();
}, { capture: true, passive: true });

function ensureStyle() {
  if (document.getElementById('tilvora-reciting-style'))
    return;
  var style = document.createElement('style');
  style.id = 'tilvora-reciting-style';
  style.textContent =
    'table.' + kMarkClass + ' { outline: 3px solid #2e8b57; outline-offset: 1px; }\n'
    + 'table.' + kMarkClass + ' td { background-image: linear-gradient('
    + 'rgba(255, 214, 90, 0.35), rgba(255, 214, 90, 0.35)) !important; }';
  (document.head || document.documentElement).appendChild(style);
}

window.tilvoraRecitation = {
  // How long after a scroll by hand the pane stays where the reader put it.
  handsOffMs: 4000,

  // id: the verse table's id (the verse's AyahRef), or '' to clear.
  // Returns whether a verse table is marked now.
  mark: function (id) {
    var old = document.getElementsByClassName(kMarkClass);
    for (var i = old.length - 1; i >= 0; --i)
      old[i].classList.remove(kMarkClass);
    if (!id)
      return false;
    var table = document.getElementById(id);
    if (!table)
      return false;
    ensureStyle();
    table.classList.add(kMarkClass);
    if (Date.now() - lastHandScroll > window.tilvoraRecitation.handsOffMs)
      table.scrollIntoView({ block: 'center', inline: 'nearest' });
    return true;
  }
};
