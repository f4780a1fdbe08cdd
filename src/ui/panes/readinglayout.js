// The reading pane's layout, set as each document is created, before the
// page text is parsed. A reading page can hold thousands of verse tables (a
// whole-book search holds 6236): laying out and shaping all of that text
// before the page shows takes seconds. Here each verse table is laid out as a
// block that holds its rows, which looks the same, and the engine lays out
// only the tables near the visible part of the page; the others keep an
// estimated height (then their last real one) until they are scrolled to.
// The page text is not touched.
'use strict';

try {
  var sheet = new CSSStyleSheet();
  sheet.replaceSync(
    'table.sura { display: block; box-sizing: border-box;'
    + ' content-visibility: auto; contain-intrinsic-size: auto 160px; }\n'
    + 'table.sura > tbody { display: table; width: 100%; }');
  document.adoptedStyleSheets = document.adoptedStyleSheets.concat([sheet]);
} catch (ignored) {
  // An engine without constructable style sheets lays out every table.
}
