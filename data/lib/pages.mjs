// The four picker pages shown in the one-row panes above the reading page.
// Each pick navigates its pane to "__" + name + " = " + value; the program
// cancels that navigation and carries out the command. The program resets a
// selector by setting its selectedIndex to 0, so the first option of every
// selector is a caption whose value is empty and which sends nothing.

import { ARABIC_FONT } from './catalogue.mjs';

export function escapeHtml(text) {
  return String(text)
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;')
    .replace(/'/g, '&#39;');
}

// Arabic letters take the Arabic font, everything else the interface font.
// The alias limits the Arabic font to the Arabic ranges, so that digits and
// Latin names beside an Arabic name keep the interface font.
const STYLE = `
@font-face {
  font-family: 'Tilvora Arabic';
  src: local('Amiri'), local('Amiri Regular'), local('Amiri-Regular'),
       local('Noto Naskh Arabic'), local('NotoNaskhArabic-Regular');
  unicode-range: U+0600-06FF, U+0750-077F, U+08A0-08FF, U+FB50-FDFF, U+FE70-FEFF;
  size-adjust: 135%;
}
html, body { margin: 0; padding: 0; height: 27px; overflow: hidden; }
body {
  box-sizing: border-box; display: flex; align-items: center; gap: 3px;
  padding: 0 3px; background: linear-gradient(#fbf8f0, #eee5d0);
  border-bottom: 1px solid #d6c8a6; color: #3b2f1c;
  font: 12px 'Tilvora Arabic', 'DejaVu Sans Condensed', 'DejaVu Sans', ${ARABIC_FONT};
  font-stretch: condensed;
  -webkit-user-select: none; user-select: none; cursor: default;
}
form { display: contents; }
select, input, button {
  box-sizing: border-box; height: 22px; margin: 0; min-width: 0;
  font: inherit; color: inherit; border: 1px solid #c2b08a; border-radius: 3px;
  background-color: #fffdf8;
}
select {
  flex: 1 1 0; -webkit-appearance: none; appearance: none;
  padding: 0 15px 0 3px;
  background-image: linear-gradient(45deg, transparent 50%, #7a6238 50%),
                    linear-gradient(135deg, #7a6238 50%, transparent 50%);
  background-size: 4px 4px, 4px 4px; background-repeat: no-repeat;
  background-position: right 7px center, right 3px center;
}
select[dir=rtl] { padding: 0 3px 0 15px; background-position: left 3px center, left 7px center; }
select:hover, button:hover { border-color: #a08650; }
select:focus, input:focus, button:focus { outline: none; border-color: #8a6d2f; box-shadow: 0 0 0 1px #8a6d2f inset; }
option { background: #fffdf8; color: #3b2f1c; }
option[value=""] { color: #8a7a5c; }
input[type=search] { flex: 1 1 0; padding: 0 6px; -webkit-user-select: text; user-select: text; cursor: text; }
input[type=checkbox] { height: auto; margin: 0 3px 0 0; accent-color: #8a6d2f; }
label { display: flex; align-items: center; white-space: nowrap; }
button {
  padding: 0 12px; font-weight: bold; cursor: pointer;
  background: linear-gradient(#fff8e6, #e9dab4);
}
button:active { background: #e2d0a4; }
`.trim();

// Sends the pane command for a pick; the caption option sends nothing.
const SCRIPT = `
function send(name, value) {
  if (value === null || value === undefined || value === '') return;
  location.href = '__' + name + ' = ' + encodeURIComponent(value);
}
`.trim();

function page(title, bodyLines, extraScript = '') {
  return [
    '<!DOCTYPE html>',
    '<html lang="en">',
    '<head>',
    '<meta charset="utf-8">',
    `<title>${escapeHtml(title)}</title>`,
    '<style>',
    STYLE,
    '</style>',
    '<script>',
    SCRIPT + (extraScript ? `\n${extraScript.trim()}` : ''),
    '</script>',
    '</head>',
    '<body>',
    ...bodyLines,
    '</body>',
    '</html>',
    '',
  ].join('\n');
}

/**
 * A selector: `options` are [value, text] pairs after the caption option.
 * `command` is the pane command's name.
 */
function selector({ id, command, caption, title, options, rtl, flex }) {
  const attrs = [
    `id="${id}"`, `name="${id}"`, `title="${escapeHtml(title)}"`,
    rtl ? 'dir="rtl"' : '',
    flex ? `style="flex-grow: ${flex}"` : '',
    `onchange="send('${command}', this.value)"`,
  ].filter(Boolean).join(' ');
  const lines = [`<select ${attrs}>`, `<option value="" selected>${escapeHtml(caption)}</option>`];
  for (const [value, text] of options) {
    lines.push(`<option value="${escapeHtml(value)}">${escapeHtml(text)}</option>`);
  }
  lines.push('</select>');
  return lines;
}

const MIDDOT = ' \u00B7 ';

export function buildPages({ chapters, parts, roots, words, subjects }) {
  const surah = page('Chapters, parts and roots', [
    ...selector({
      id: 'cmbSurah', command: 'Surah', caption: 'Chapter', title: 'Show a chapter (surah)', flex: 80,
      options: chapters.map((c) => [String(c.no), `${c.no}${MIDDOT}${c.name}${MIDDOT}${c.transliteration}`]),
    }),
    ...selector({
      id: 'cmbParah', command: 'Parah', caption: 'Part', title: 'Show a part (juz)', flex: 56,
      options: parts.map((p) => [String(p.no), `Part ${p.no}${MIDDOT}${p.opening}`]),
    }),
    ...selector({
      id: 'cmbRoot', command: 'Root', caption: 'Root (approx.)',
      title: 'Show the verses of a root (roots are found automatically and are approximate)',
      rtl: true, flex: 96,
      options: roots.map((r) => [r.root, r.root]),
    }),
  ]);

  const word = page('Words', selector({
    id: 'cmbWord', command: 'Word', caption: 'كلمة' + MIDDOT + 'Word',
    title: 'Show the verses that hold a word (written without vowel marks)', rtl: true,
    options: words.map((w) => [w.word, w.word]),
  }));

  const subject = page('Subjects', selector({
    id: 'cmbSubject', command: 'Subject', caption: 'Subject' + MIDDOT + 'موضوع',
    title: 'Show the verses of a subject',
    options: subjects.map((s) => [String(s.id), `${s.name}${MIDDOT}${s.arabic}`]),
  }));

  const search = page('Search', [
    '<form id="frmSearch" onsubmit="return submitSearch()">',
    '<input type="search" id="txtSearch" name="txtSearch" dir="auto" autocomplete="off"'
      + ' placeholder="Arabic without vowel marks, or words of a translation"'
      + ' title="Arabic is found without vowel marks; translations ignore letter case">',
    '<label title="Search every verse of every text; unticked, only the page shown is searched">'
      + '<input type="checkbox" id="chkAll" name="chkAll" checked>Whole Quran</label>',
    '<button type="submit" id="cmdSearch" name="cmdSearch">Search</button>',
    '</form>',
  ], `
// A leading "*" asks for a search of the whole database; without it only the
// page shown is searched. A text that already holds a "*" is sent as typed.
function submitSearch() {
  var text = document.getElementById('txtSearch').value;
  if (text.replace(/\\s+/g, '') === '') return false;
  if (document.getElementById('chkAll').checked && text.indexOf('*') < 0) text = '*' + text;
  send('Search', text);
  return false;
}
`);

  return {
    'WebSurah.Htm': surah,
    'WebWord.Htm': word,
    'WebSubject.Htm': subject,
    'WebSearch.Htm': search,
  };
}
