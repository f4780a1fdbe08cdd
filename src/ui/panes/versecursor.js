// The reading pane's verse cursor for the keyboard. While the pane has the
// focus one verse table carries the class "tilvora-cursor" (the theme's
// style sheet draws it):
//   Up / Down          the previous / next verse
//   PageUp / PageDown  a screenful up / down
//   Home / End         the first / last verse of the page (Ctrl too)
//   Enter              recites the verse, as a double-click does
//   menu key, Shift+F10  the verse menu
//   Ctrl+C             copies the verse when no text is selected
// The keys reach the window through the pane's bridge (panecompat.js sets
// window.tilvoraBridge once the web channel is up). A click puts the cursor
// on the verse clicked. The page text is not touched.
'use strict';

var kCursorClass = 'tilvora-cursor';
var kFocusClass = 'tilvora-pane-focus';
var cursor = null;
var menuKeyAt = 0;

function place(table, scroll) {
  if (cursor && cursor !== table) cursor.classList.remove(kCursorClass);
  cursor = table;
  if (!table) return;
  table.classList.add(kCursorClass);
  if (scroll) table.scrollIntoView({ block: 'nearest' });
}

// The cursor's verse, put on the verse at the top of the pane when there is
// none yet (or the one it was on has gone with the page's text).
function current() {
  if (!cursor || !cursor.isConnected) place(pane.topVerse(), false);
  return cursor;
}

function cellTexts(table) {
  var texts = [];
  var cells = table.getElementsByTagName('td');
  for (var i = 0; i < cells.length; ++i) {
    var text = (cells[i].innerText || '').trim();
    if (text) texts.push(text);
  }
  return texts;
}

function report(action, table) {
  var bridge = window.tilvoraBridge;
  if (!bridge || !bridge.verseKey || !table) return;
  var box = table.getBoundingClientRect();
  var x = Math.max(0, Math.min(Math.round(box.left) + 8, document.documentElement.clientWidth - 1));
  var y = Math.max(0, Math.min(Math.round(box.top) + 8, document.documentElement.clientHeight - 1));
  bridge.verseKey(action, String(table.id), action === 'recite' ? [] : cellTexts(table), x, y);
}

// The verse a screenful away: the first (or last) verse past the pane's
// height from the cursor's.
function pageAway(tables, from, direction) {
  var index = tables.indexOf(from);
  var start = from.getBoundingClientRect().top;
  var height = document.documentElement.clientHeight * 0.9;
  var i = index;
  while (i + direction >= 0 && i + direction < tables.length) {
    i += direction;
    if (Math.abs(tables[i].getBoundingClientRect().top - start) >= height) break;
  }
  return tables[i];
}

function move(key, ctrl) {
  var tables = pane.verseTables();
  if (!tables.length) return false;
  var from = current();
  var index = tables.indexOf(from);
  var target = null;
  if (key === 'ArrowDown') target = tables[Math.min(index + 1, tables.length - 1)];
  else if (key === 'ArrowUp') target = tables[Math.max(index - 1, 0)];
  else if (key === 'PageDown') target = pageAway(tables, from, 1);
  else if (key === 'PageUp') target = pageAway(tables, from, -1);
  else if (key === 'Home') target = tables[0];
  else if (key === 'End') target = tables[tables.length - 1];
  else return false;
  if (ctrl && key !== 'Home' && key !== 'End') return false;
  place(target, true);
  return true;
}

document.addEventListener('keydown', function (event) {
  if (event.altKey || event.metaKey) return;
  var target = event.target;
  if (target && (target.isContentEditable || /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName))) return;
  // A page without verse tables (another view of the pane) keeps its keys.
  if (!current()) return;
  var handled = false;
  if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
    menuKeyAt = Date.now();
    report('menu', current());
    handled = true;
  } else if (event.shiftKey) {
    return;
  } else if (event.key === 'Enter' && !event.ctrlKey) {
    report('recite', current());
    handled = true;
  } else if (event.ctrlKey && (event.key === 'c' || event.key === 'C')) {
    if (String(window.getSelection ? window.getSelection() : '') !== '') return;
    report('copy', current());
    handled = true;
  } else {
    handled = move(event.key, event.ctrlKey);
  }
  if (handled) {
    event.preventDefault();
    event.stopPropagation();
  }
}, true);

// A click moves the cursor to the verse clicked.
document.addEventListener('mousedown', function (event) {
  var table = pane.verseTableOf(event.target);
  if (table) place(table, false);
}, true);

// The cursor shows while the pane has the focus; in a new page, once its
// first screen is shown.
function showFocus() {
  document.documentElement.classList.toggle(kFocusClass, document.hasFocus());
  if (document.hasFocus()) current();
}
window.addEventListener('focus', showFocus);
window.addEventListener('blur', showFocus);
pane.afterFirstScreen(showFocus);

window.tilvoraVerseCursor = {
  // The verse table id under the cursor, or ''.
  current: function () { var table = current(); return table ? String(table.id) : ''; },
  // True right after the menu key opened the verse menu: the engine's own
  // context menu event that follows the key is not another request.
  tookMenuKey: function () { return Date.now() - menuKeyAt < 500; },
};
