// Run in every document of every pane, once the page text is parsed. The
// pages carry VBScript and <SCRIPT FOR=document
// EVENT=...> elements, which this engine does not run; this script gives them
// their effect without touching the page text:
//   - "return false;" for oncontextmenu / onselectstart: no context menu, no
//     text selection;
//   - VBScript "Sub f(n)" (the key handler the control page attaches to its
//     body): key code 116 (F5) is swallowed;
//   - VBScript "Sub s(n)": navigates to "_Control.htm__" + n + " = " + the
//     active element's value, as the control page's lists and radios expect;
//   - the reading page's verse cells take the focus when clicked, so that
//     their own onfocus/onblur attributes switch the "_Sel" class;
//   - one-line lists keep the height of their text whatever their style says.
// It also reports to the window, through the pane's web channel object, the
// events the window handles: a right-click in a picker pane, and a
// double-click and a right-click (the verse menu) in the reading page.
// In the reading page the reader may select text to copy it.
//
// `config`: { reportContextMenu: bool, reportDoubleClick: bool,
//   verseMenu: bool, useChannel: bool }
'use strict';

pane.whenParsed(function () {
  var bridge = null;

  // The <SCRIPT FOR=document EVENT=name> element of the page that returns false.
  function pageCancels(eventName) {
    var scripts = document.getElementsByTagName('script');
    for (var i = 0; i < scripts.length; ++i) {
      var script = scripts[i];
      if ((script.getAttribute('for') || '').toLowerCase() === 'document'
          && (script.getAttribute('event') || '').toLowerCase() === eventName
          && /\breturn\s+false\b/i.test(script.text)) {
        return true;
      }
    }
    return false;
  }

  // The names of the procedures the page's VBScript defines ("Sub name(...)").
  function vbScriptProcedures() {
    var names = {};
    var scripts = document.getElementsByTagName('script');
    for (var i = 0; i < scripts.length; ++i) {
      var language = (scripts[i].getAttribute('language') || scripts[i].getAttribute('type') || '').toLowerCase();
      if (language.indexOf('vbscript') < 0) continue;
      var pattern = /^\s*Sub\s+([A-Za-z_][A-Za-z0-9_]*)\s*\(/gim;
      var match;
      while ((match = pattern.exec(scripts[i].text)) !== null) names[match[1].toLowerCase()] = true;
    }
    return names;
  }

  var cancelsContextMenu = pageCancels('oncontextmenu');
  var cancelsSelection = pageCancels('onselectstart');
  var procedures = vbScriptProcedures();

  document.addEventListener('contextmenu', function (event) {
    if (config.verseMenu) {
      // The window's verse menu instead of the engine's own.
      event.preventDefault();
      // The menu key opened it already, for the verse under the cursor.
      if (window.tilvoraVerseCursor && window.tilvoraVerseCursor.tookMenuKey()) return;
      var table = pane.verseTableOf(event.target);
      var texts = [];
      if (table) {
        var cells = table.getElementsByTagName('td');
        for (var i = 0; i < cells.length; ++i) {
          var text = (cells[i].innerText || '').trim();
          if (text) texts.push(text);
        }
      }
      var selection = window.getSelection ? String(window.getSelection()) : '';
      if (bridge && bridge.verseMenu) bridge.verseMenu(table ? String(table.id) : '', texts, selection);
    } else if (config.reportContextMenu) {
      // The window's handler resets the pane's selector and returns false.
      event.preventDefault();
      if (bridge) bridge.contextMenu();
    } else if (cancelsContextMenu) {
      event.preventDefault();
    }
  }, true);

  if (cancelsSelection && !config.verseMenu) {
    document.addEventListener('selectstart', function (event) { event.preventDefault(); }, true);
  }

  if (config.verseMenu) {
    // A double-click recites its verse: it does not also select a word.
    // Dragging and a triple-click still select.
    document.addEventListener('mousedown', function (event) {
      if (event.detail === 2) event.preventDefault();
    }, true);
  }

  // Sub f(n): key code 116 cancels the key's default action and its bubbling.
  if (procedures.f && typeof window.f !== 'function') {
    window.f = function (keyEvent) {
      keyEvent = keyEvent || window.event;
      if (keyEvent && keyEvent.keyCode === 116) {
        keyEvent.preventDefault();
        keyEvent.stopPropagation();
      }
    };
  }

  // Sub s(n): navigates to the control command for the element that changed.
  // The value travels percent-encoded; the window decodes the URL once.
  if (procedures.s && typeof window.s !== 'function') {
    window.s = function (name) {
      var active = document.activeElement;
      var value = active && active.value !== undefined && active.value !== null ? String(active.value) : '';
      window.location.href = '_Control.htm__' + encodeURIComponent(String(name)) + ' = ' + encodeURIComponent(value);
    };
    // The element a user changes holds the focus when its handler runs; a list
    // or button changed without the focus (by the keyboard from another
    // element, or by a script) takes it first, so that s reads its value.
    var focusChanged = function (event) {
      var target = event.target;
      if (target && target !== document.activeElement
          && (target.tagName === 'SELECT' || target.tagName === 'INPUT') && target.focus) {
        target.focus();
      }
    };
    document.addEventListener('change', focusChanged, true);
    document.addEventListener('click', focusChanged, true);
  }

  // The lists of the control and picker pages. The reading page has none: it
  // is not searched through for them.
  var hasLists = !config.verseMenu && document.getElementsByTagName('select').length > 0;

  // The control page styles its lists "height: 5", which in a page without a
  // document type would shrink a one-line list to a sliver; such lists keep the
  // height of their text instead.
  if (document.compatMode === 'BackCompat' && hasLists) {
    var listStyle = document.createElement('style');
    listStyle.textContent = 'select:not([multiple]) { height: auto !important; }'
      + ' select { width: 100% !important; box-sizing: border-box; }';
    (document.head || document.documentElement).appendChild(listStyle);
  }

  // A right-to-left list would lay a Latin name out right to left and cut it at
  // its start ("nglish: ..."): in such a list each name is laid out in the
  // direction of its own text, so a name too long for its list loses its end.
  // Left-to-right lists stay as they are: their names begin with a number and
  // mix both scripts ("2 · <Arabic name> · Al-Baqarah").
  if (hasLists) {
    var nameStyle = document.createElement('style');
    nameStyle.textContent = '[dir=rtl] select, select[dir=rtl], [dir=rtl] option'
      + ' { unicode-bidi: plaintext; text-align: start; }';
    (document.head || document.documentElement).appendChild(nameStyle);
  }

  // In a row of lists (the pickers' bar), a list that shows its heading
  // ("Root (approx.)") is at least as wide as the heading; the other lists of
  // the row give up the room. Once a choice is shown, the row shares its room
  // as the page lays it out. The window resets a list by script, with no change
  // event, and tells of it with a "tilvora-reset" event.
  var fitHeading = function (list) {
    var row = list.parentElement;
    if (!row || getComputedStyle(row).display !== 'flex') return;
    list.style.minWidth = '';
    var shown = list.options[list.selectedIndex];
    if (!shown || shown.value !== '') return;
    var style = getComputedStyle(list);
    var context = document.createElement('canvas').getContext('2d');
    context.font = style.fontStyle + ' ' + style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
    var frame = ['paddingLeft', 'paddingRight', 'borderLeftWidth', 'borderRightWidth'].reduce(function (sum, side) {
      return sum + (parseFloat(style[side]) || 0);
    }, 0);
    list.style.minWidth = Math.ceil(context.measureText(shown.text).width + frame + 2) + 'px';
  };
  var lists = hasLists ? document.getElementsByTagName('select') : [];
  for (var listIndex = 0; listIndex < lists.length; ++listIndex) fitHeading(lists[listIndex]);
  ['change', 'tilvora-reset'].forEach(function (name) {
    document.addEventListener(name, function (event) {
      if (event.target && event.target.tagName === 'SELECT') fitHeading(event.target);
    }, true);
  });

  // Verse cells: a click gives them the focus, which fires their onfocus. The
  // cell is made focusable as the button goes down, before the engine decides
  // where the focus goes, so that a page of thousands of cells costs nothing.
  document.addEventListener('mousedown', function (event) {
    var cell = event.target && event.target.closest ? event.target.closest('td') : null;
    if (cell && !cell.hasAttribute('tabindex') && pane.verseTableOf(cell)) cell.tabIndex = -1;
  }, true);

  if (config.reportDoubleClick) {
    // The verse table that holds the focused cell is its offset parent.
    document.addEventListener('dblclick', function (event) {
      var id = '';
      try {
        var active = document.activeElement;
        var parent = active ? active.offsetParent : null;
        if (parent && parent.id) id = String(parent.id);
      } catch (ignored) {
        id = '';
      }
      event.preventDefault();
      if (bridge) bridge.doubleClick(id);
    }, false);
  }

  if (config.useChannel && window.qt && qt.webChannelTransport && typeof QWebChannel === 'function') {
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects.tilvoraPane || null;
      // The reading page's verse cursor reports its keys through it too.
      window.tilvoraBridge = bridge;
      if (bridge) bridge.ready();
    });
  }
});
