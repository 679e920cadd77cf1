// The export benchmark's second baseline: Node's exceljs streaming writer, which keeps memory
// flat as ours does, writing the same cells. Reading the rows is not timed.
//   node exceljs_baseline.mjs ROWS.tsv FILE      prints: seconds=...
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { resolve } from "node:path";

const require = createRequire(resolve(process.env.EXCELJS_DIR) + "/");
const ExcelJS = require("exceljs");

const [tsvPath, file] = process.argv.slice(2);
const lines = readFileSync(tsvPath, "utf8").split("\n");
const captions = lines[0].split("\t");
const types = lines[1].split("\t");
const rows = [];
for (let i = 2; i < lines.length; ++i) {
  if (lines[i] === "") continue;
  rows.push(
    lines[i].split("\t").map((text, c) => {
      if (text === "") return null;
      if (types[c] === "s") return text;
      const number = Number(text);
      // A serial of the 1900 date system as the Date exceljs writes back as that serial.
      return types[c] === "d" ? new Date(Date.UTC(1899, 11, 30) + number * 86400000) : number;
    }),
  );
}

const start = process.hrtime.bigint();
const workbook = new ExcelJS.stream.xlsx.WorkbookWriter({
  filename: file,
  useSharedStrings: false,
  useStyles: true,
});
const sheet = workbook.addWorksheet("Sheet1");
sheet.columns = captions.map((header, c) => ({
  header,
  style: types[c] === "d" ? { numFmt: "dd.mm.yyyy" } : {},
}));
for (const row of rows) sheet.addRow(row).commit();
sheet.commit();
await workbook.commit();
const seconds = Number(process.hrtime.bigint() - start) / 1e9;
console.log(`seconds=${seconds.toFixed(3)}`);
