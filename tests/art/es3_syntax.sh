#!/usr/bin/env bash
# Every .js file, inline <script> and on... handler of the payload parses as ECMAScript 3
# (Debian's acorn) and calls no library function that came later: a modern engine would
# run code that the PSP rejects. Usage: es3_syntax.sh PAYLOAD_FOLDER; 77 without acorn.
set -euo pipefail
command -v node > /dev/null || { echo "SKIP: node is not installed (Debian package nodejs)"; exit 77; }
# Where Debian puts its node modules.
NODE_PATH=/usr/share/nodejs exec node - "$1" <<'JS'
"use strict";
const fs = require("fs"), path = require("path");
let acorn, walk;
try { [acorn, walk] = [require("acorn"), require("acorn-walk")]; } catch (error) {
    console.log("SKIP: acorn is not installed (Debian package node-acorn)");
    process.exit(77);
}

// Later library names; methods on any object, but indexOf, which strings always had.
const laterGlobals = new Set(["JSON", "Promise", "Map", "Set", "Symbol"]);
const laterStatics = new Set(["Object.keys", "Object.create", "Object.defineProperty",
    "Object.getPrototypeOf", "Object.freeze", "Object.assign", "Array.isArray", "Date.now"]);
const laterMethods = new Set(["forEach", "map", "filter", "reduce", "some", "every", "trim",
    "bind", "toISOString", "includes", "startsWith", "endsWith", "padStart"]);
const named = { quot: '"', amp: "&", lt: "<", gt: ">", apos: "'" };
const unescapeHtml = (text) => text.replace(/&(#\d+|quot|amp|lt|gt|apos);/g,
    (all, name) => (name in named ? named[name] : String.fromCharCode(Number(name.slice(1)))));
const lineAt = (text, offset) => text.slice(0, offset).split("\n").length;
const files = (folder) => fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
    const name = path.join(folder, entry.name);
    return entry.isDirectory() ? files(name) : [name];
});

const counts = { files: 0, inline: 0, handlers: 0 };
const failures = [];
function check(file, source, line, handler) {
    let ast;
    try {
        // ES3 reserves words later versions freed (class, int...), as property names too.
        ast = acorn.parse(source, { ecmaVersion: 3, allowReserved: "never", locations: true,
                                    allowReturnOutsideFunction: handler });
    } catch (error) {
        const at = error.loc ? line + error.loc.line - 1 : line;
        const code = error.loc ? source.split("\n")[error.loc.line - 1].trim() : "";
        failures.push(`${file}:${at}: ${error.message.replace(/ \(\d+:\d+\)$/, "")}: ${code}`);
        return;
    }
    const later = (name, node) => failures.push(
        `${file}:${line + node.loc.start.line - 1}: ${name} came after ECMAScript 3`);
    walk.simple(ast, {
        Identifier(node) { if (laterGlobals.has(node.name)) later(node.name, node); },
        MemberExpression(node) {
            const name = node.property.name;
            const owner = node.object.type === "Identifier" ? node.object.name + "." : "";
            if (!node.computed && (laterMethods.has(name) || laterStatics.has(owner + name)))
                later(owner + name, node);
        },
    });
}

const root = process.argv[2];
for (const file of files(root).sort()) {
    const text = fs.readFileSync(file, "latin1");
    const shown = path.relative(root, file);
    if (file.endsWith(".js")) {
        ++counts.files;
        check(shown, text, 1, false);
    } else if (file.endsWith(".html")) {
        for (const match of text.matchAll(/<script\b[^>]*>([\s\S]*?)<\/script>/gi)) {
            if (match[1].trim() === "") continue;
            ++counts.inline;
            check(shown, match[1], lineAt(text, match.index + match[0].indexOf(">") + 1), false);
        }
        for (const match of text.matchAll(/\son[a-z]+\s*=\s*("([^"]*)"|'([^']*)')/gi)) {
            ++counts.handlers;
            check(shown, unescapeHtml(match[2] ?? match[3]), lineAt(text, match.index + 1), true);
        }
    }
}
for (const failure of failures) console.log(`FAIL ${failure}`);
console.log(`${counts.files} script files, ${counts.inline} inline scripts and ` +
            `${counts.handlers} handlers checked, ${failures.length} not ECMAScript 3`);
// No scripts at all means a wrong folder.
process.exit(failures.length === 0 && counts.files > 0 && counts.handlers > 0 ? 0 : 1);
JS
