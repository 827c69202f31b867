// node assemble.mjs PAGE_DIR TILE_SVG_DIR SITE_DIR
// Puts the page together in SITE_DIR (beside the engine module the build
// wrote there): the page's files, the SVG tiles under tiles/ with a digest
// of them stamped into the page, and the service worker with the list of
// every file and a digest of their contents.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { join, relative } from 'node:path';

const [pageDir, tileDir, siteDir] = process.argv.slice(2);
if (!siteDir) {
    console.error('usage: node assemble.mjs PAGE_DIR TILE_SVG_DIR SITE_DIR');
    process.exit(2);
}

function copyTree(from, to, filter = () => true) {
    mkdirSync(to, { recursive: true });
    for (const name of readdirSync(from)) {
        const source = join(from, name);
        if (statSync(source).isDirectory())
            copyTree(source, join(to, name), filter);
        else if (filter(name))
            copyFileSync(source, join(to, name));
    }
}

function listTree(dir) {
    return readdirSync(dir).flatMap((name) => {
        const path = join(dir, name);
        return statSync(path).isDirectory() ? listTree(path) : [path];
    });
}

copyTree(pageDir, siteDir, (name) => name !== 'sw.js');
copyTree(tileDir, join(siteDir, 'tiles'), (name) => name.endsWith('.svg'));

// The page keeps bitmaps of the tile art between visits, marked with a
// digest of the art: new art, new bitmaps.
const art = createHash('sha256');
for (const path of listTree(join(siteDir, 'tiles')).sort())
    art.update(relative(siteDir, path)).update(readFileSync(path));
const page = join(siteDir, 'index.html');
writeFileSync(page, readFileSync(page, 'utf8').replace('@TILE_ART@', art.digest('hex').slice(0, 16)));

const files = listTree(siteDir)
    .map((path) => relative(siteDir, path).split('\\').join('/'))
    .filter((path) => path !== 'sw.js')
    .sort();
const digest = createHash('sha256');
for (const file of files)
    digest.update(file).update(readFileSync(join(siteDir, file)));
const kept = ['./', ...files];
const worker = readFileSync(join(pageDir, 'sw.js'), 'utf8')
    .replace('@VERSION@', digest.digest('hex').slice(0, 16))
    .replace('@FILES@', JSON.stringify(kept, null, 1));
writeFileSync(join(siteDir, 'sw.js'), worker);
console.log(`${files.length + 1} files in ${siteDir}`);
