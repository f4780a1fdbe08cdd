// The reading pane's place, run as each document is created; `config`:
//   { keepTopVerse: bool, emptyPageText: string }
// Every page of the reading pane has the same address (the page file), so the
// engine would open a new page where the last one was scrolled to. Instead a
// new page opens at its top; a page that shows the same verses with other
// texts (keepTopVerse) keeps the verse that was at the top of the pane there.
// A page without verses shows emptyPageText in a line of its own.
// A style sheet whose rule for an empty display position was left open (no
// text fills it) is closed rule by rule, so that the rules after it keep
// their effect: each text its own direction, font and colour band.
'use strict';

var storageKey = 'tilvoraTopVerse';

// The session's storage, opened when first needed: opening it waits on the
// browser's main process, which is busy while the window starts.
function storage() {
  try {
    return window.sessionStorage;
  } catch (ignored) {
    return null;
  }
}

try {
  history.scrollRestoration = 'manual';
} catch (ignored) {
  // The engine restores nothing it was not asked to.
}

var keptVerse = null;
if (config.keepTopVerse) {
  var kept = storage();
  keptVerse = kept ? kept.getItem(storageKey) : null;
}

// The id of the verse table at the top of the pane, or ''.
function topVerse() {
  var x = Math.max(1, Math.floor(document.documentElement.clientWidth / 2));
  for (var y = 2; y < 80; y += 6) {
    var table = pane.verseTableOf(document.elementFromPoint(x, y));
    if (table) return String(table.id);
  }
  return '';
}

function rememberTopVerse() {
  var id = topVerse();
  var store = id ? storage() : null;
  if (store) store.setItem(storageKey, id);
}

var rememberPending = false;
window.addEventListener('scroll', function () {
  if (rememberPending) return;
  rememberPending = true;
  window.requestAnimationFrame(function () {
    rememberPending = false;
    rememberTopVerse();
  });
}, {passive: true});

// Closes every rule of the page's style elements that a line leaves open.
function closeOpenRules(style) {
  var lines = style.textContent.split('\n');
  var changed = false;
  for (var i = 0; i < lines.length; ++i) {
    var open = (lines[i].match(/\{/g) || []).length - (lines[i].match(/\}/g) || []).length;
    if (open > 0) {
      lines[i] = lines[i].replace(/\s*$/, '') + new Array(open + 1).join(' }') + (/\r$/.test(lines[i]) ? '\r' : '');
      changed = true;
    }
  }
  if (changed) style.textContent = lines.join('\n');
}

// A style element is complete once the parser has gone past it (to a node
// after it, or on to the page's body). The page's first one is closed then,
// before the page is first laid out, and the watch ends there: it never
// follows the page's body, and it asks for the first style element only
// (counting them all would go through the whole page each time).
var styleWatch = new MutationObserver(function () {
  var first = document.querySelector('style');
  var pastHead = !!document.body || document.readyState !== 'loading';
  if (first && (first.nextSibling || pastHead)) {
    styleWatch.disconnect();
    closeOpenRules(first);
  } else if (pastHead) {
    styleWatch.disconnect();
  }
});
styleWatch.observe(document, {childList: true, subtree: true});

function showEmptyPageText() {
  if (!config.emptyPageText || document.querySelector('table.sura')) return;
  var line = document.createElement('p');
  line.id = 'tilvoraEmptyPage';
  line.textContent = config.emptyPageText;
  line.setAttribute('dir', 'auto');
  line.style.cssText = 'margin: 2em 1em; text-align: center; font: 15px sans-serif; color: inherit; opacity: 0.75;';
  (document.body || document.documentElement).appendChild(line);
}

function placePage() {
  var table = keptVerse ? document.getElementById(keptVerse) : null;
  if (table) table.scrollIntoView({block: 'start'});
  else window.scrollTo(0, 0);
  pane.afterFirstScreen(rememberTopVerse);
}

pane.whenParsed(function () {
  if (styleWatch) {
    styleWatch.disconnect();
    var styles = document.getElementsByTagName('style');
    for (var i = 0; i < styles.length; ++i) closeOpenRules(styles[i]);
  }
  showEmptyPageText();
  placePage();
});

// End and Ctrl+End go to the last verse of the page. The engine's own End
// stops short while the page is still parsed, and the verse tables far from
// view keep an estimated height until they are laid out (see
// readinglayout.js), so the end it scrolls to moves as they are. Here the
// pane waits for the whole page, then stays at its end frame by frame until
// the page's height holds still, unless the reader moves on meanwhile.
var endWanted = false;
var steadyFrames = 0;
var lastHeight = -1;

function followEnd() {
  if (!endWanted) return;
  if (document.readyState !== 'loading') {
    var root = document.scrollingElement || document.documentElement;
    window.scrollTo(window.scrollX, root.scrollHeight);
    steadyFrames = root.scrollHeight === lastHeight ? steadyFrames + 1 : 0;
    lastHeight = root.scrollHeight;
    if (steadyFrames >= 10) {
      endWanted = false;
      return;
    }
  }
  window.requestAnimationFrame(followEnd);
}

function isTextField(element) {
  return element && (element.isContentEditable || /^(input|textarea|select)$/i.test(element.tagName));
}

window.addEventListener('keydown', function (event) {
  if (event.key === 'End' && !event.altKey && !event.shiftKey && !event.metaKey && !isTextField(event.target)) {
    event.preventDefault();
    var wasFollowing = endWanted;
    endWanted = true;
    steadyFrames = 0;
    lastHeight = -1;
    if (!wasFollowing) followEnd();
  } else {
    endWanted = false;
  }
});
['wheel', 'mousedown', 'touchstart'].forEach(function (name) {
  window.addEventListener(name, function () { endWanted = false; }, {passive: true});
});
