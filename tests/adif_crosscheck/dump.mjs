// Prints an ADIF file's header and records as adif-parser-ts reads them, in
// the form of `kvaro-score --dump-adif`. The file is read as Latin-1, so
// that one character stands for one byte and field lengths count bytes.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const { AdifParser } = createRequire(import.meta.url)('adif-parser-ts');

function printable(data) {
  let out = '';
  for (const ch of data) {
    const c = ch.charCodeAt(0);
    if (ch === '\\') out += '\\\\';
    else if (c < 32 || c > 126) out += '\\x' + c.toString(16).toUpperCase().padStart(2, '0');
    else out += ch;
  }
  return out;
}

function fields(object) {
  return Object.entries(object)
    .map(([name, data]) => [name.toUpperCase(), data])
    .sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0))
    .map(([name, data]) => `  ${name}=${printable(data)}\n`)
    .join('');
}

const parsed = AdifParser.parseAdi(readFileSync(process.argv[2], 'latin1'));
const header = { ...(parsed.header ?? {}) };
delete header.text;  // the free text before the first tag
let out = 'header\n' + fields(header);
(parsed.records ?? []).forEach((record, i) => {
  out += `record ${i + 1}\n` + fields(record);
});
process.stdout.write(out);
