// Writes the SQL script that creates DIC.DAT. The script is one transaction
// and is fully determined by its inputs: rows are emitted in key order and
// nothing depends on the clock or the machine.

export const SCHEMA = [
  'CREATE TABLE AP_TypesMaster_TAB (MasterTypeID INTEGER PRIMARY KEY, MasterType TEXT, SysTerm TEXT);',
  'CREATE TABLE AP_Master_TAB (MasterID INTEGER PRIMARY KEY, MasterTypeID INTEGER, Master TEXT,\n'
    + '  Description TEXT, Data TEXT, UserSelection BOOLEAN, DefaultSelection BOOLEAN,\n'
    + '  SortOrderUser INTEGER, SortOrderDef INTEGER, TextDirection TEXT, FontName TEXT,\n'
    + '  FontSize TEXT, FontBold TEXT);',
  'CREATE TABLE AP_Detail_TAB (DetailID INTEGER PRIMARY KEY, MasterID INTEGER, AyahRef INTEGER,\n'
    + '  Data TEXT, DataSearchable TEXT, DataPos TEXT, DataRef TEXT);',
  'CREATE TABLE MD_Ayah_TAB (AyahRef INTEGER PRIMARY KEY, SurahNo INTEGER, AyahNo INTEGER, ParahNo INTEGER);',
  'CREATE TABLE RF_Word_TAB (Word TEXT, RootWord TEXT, AyahRef INTEGER);',
  'CREATE TABLE RF_Subject_TAB (SubjectID INTEGER, AyahRef INTEGER);',
  // Tables of the content build itself; the program does not read them.
  'CREATE TABLE GN_Subject_TAB (SubjectID INTEGER PRIMARY KEY, Subject TEXT, SubjectArabic TEXT);',
  // The mushaf: its printed lines, and the verse where each of its
  // divisions (page, part, hizb quarter, manzil, prostration) begins.
  'CREATE TABLE MS_Line_TAB (PageNo INTEGER, LineNo INTEGER, Kind TEXT, SurahNo INTEGER, Data TEXT,\n'
    + '  FirstAyahRef INTEGER, LastAyahRef INTEGER, PRIMARY KEY (PageNo, LineNo));',
  'CREATE TABLE MS_Division_TAB (Division TEXT, No INTEGER, AyahRef INTEGER, PRIMARY KEY (Division, No));',
  'CREATE TABLE GN_Surah_TAB (SurahNo INTEGER PRIMARY KEY, SurahName TEXT, Transliteration TEXT,\n'
    + '  Revelation TEXT, AyahCount INTEGER);',
];

// The chapters' names as readers of other languages write them, for the
// window in those languages (Language: the interface's language code). Made
// after every other table is filled, so that those stay as they were.
export const CHAPTER_NAMES_TABLE =
  'CREATE TABLE GN_SurahName_TAB (SurahNo INTEGER, Language TEXT, Name TEXT, PRIMARY KEY (SurahNo, Language));';

export const INDEXES = [
  'CREATE INDEX AP_Detail_MasterAyah_IDX ON AP_Detail_TAB (MasterID, AyahRef);',
  'CREATE INDEX AP_Detail_Ayah_IDX ON AP_Detail_TAB (AyahRef);',
  // The verses that have a text, in verse order, read without the texts
  // themselves: the search for every verse walks it alone.
  'CREATE INDEX AP_Detail_Text_IDX ON AP_Detail_TAB (AyahRef, MasterID)\n'
    + '  WHERE Data IS NOT NULL OR DataSearchable IS NOT NULL;',
  'CREATE INDEX RF_Word_Word_IDX ON RF_Word_TAB (Word);',
  'CREATE INDEX RF_Word_Root_IDX ON RF_Word_TAB (RootWord);',
  'CREATE INDEX RF_Subject_IDX ON RF_Subject_TAB (SubjectID, AyahRef);',
];

/** An SQL literal: NULL, a number, or a text with its apostrophes doubled. */
export function literal(value) {
  if (value === null || value === undefined) return 'NULL';
  if (typeof value === 'boolean') return value ? '1' : '0';
  if (typeof value === 'number') {
    if (!Number.isFinite(value)) throw new Error(`not a finite number: ${value}`);
    return String(value);
  }
  return `'${String(value).replace(/'/g, "''")}'`;
}

const BATCH = 400;

export class SqlScript {
  constructor() {
    this.parts = [];
  }

  line(text) {
    this.parts.push(text, '\n');
  }

  /** INSERTs for rows (arrays of values), a few hundred rows per statement. */
  insert(table, columns, rows) {
    for (let i = 0; i < rows.length; i += BATCH) {
      const values = rows.slice(i, i + BATCH).map((r) => `(${r.map(literal).join(',')})`);
      this.parts.push(`INSERT INTO ${table} (${columns.join(',')}) VALUES\n`, values.join(',\n'), ';\n');
    }
  }

  text() {
    return this.parts.join('');
  }
}
