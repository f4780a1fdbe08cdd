// The word index: one row per distinct word and verse of the
// diacritics-free text, each word with an approximate root.

import Stemmer from 'arabic-stem';
import { words } from './arabic.mjs';

const byCodePoint = (a, b) => (a < b ? -1 : a > b ? 1 : 0);

/**
 * Root of a word: the stemmer's first candidate. The stemmer throws on a few
 * forms and finds no candidate for many short words (particles, pronouns);
 * those words get no root (null) and appear in the word picker only.
 */
export function makeRootFinder() {
  const stemmer = new Stemmer();
  const cache = new Map();
  return (word) => {
    if (cache.has(word)) return cache.get(word);
    let root = null;
    try {
      const candidates = stemmer.stem(word).stem;
      if (Array.isArray(candidates) && typeof candidates[0] === 'string' && candidates[0] !== '') {
        root = candidates[0];
      }
    } catch {
      root = null;
    }
    cache.set(word, root);
    return root;
  };
}

/**
 * rows: [{ word, root, ref }] ordered by word (code points), then verse.
 * words / roots: the distinct words and roots with the number of verses each
 * occurs in, sorted by code points.
 */
export function buildWordIndex(src) {
  const rootOf = makeRootFinder();
  const versesOfWord = new Map();
  src.clean.forEach((text, i) => {
    const ref = src.verses[i].ref;
    for (const w of new Set(words(text))) {
      if (!versesOfWord.has(w)) versesOfWord.set(w, []);
      versesOfWord.get(w).push(ref);
    }
  });

  const rows = [];
  const wordList = [];
  const versesOfRoot = new Map();
  for (const word of [...versesOfWord.keys()].sort(byCodePoint)) {
    const root = rootOf(word);
    const refs = versesOfWord.get(word);
    wordList.push({ word, count: refs.length });
    for (const ref of refs) rows.push({ word, root, ref });
    if (root !== null) {
      if (!versesOfRoot.has(root)) versesOfRoot.set(root, new Set());
      for (const ref of refs) versesOfRoot.get(root).add(ref);
    }
  }
  const rootList = [...versesOfRoot.keys()].sort(byCodePoint)
    .map((root) => ({ root, count: versesOfRoot.get(root).size }));
  return { rows, words: wordList, roots: rootList };
}
