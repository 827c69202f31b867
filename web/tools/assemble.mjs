// node assemble.mjs PAGE_DIR TILE_SVG_DIR SITE_DIR ESBUILD
// Puts the page together in SITE_DIR (beside the engine module the build
// wrote there): the page's files, its modules bundled by ESBUILD, the SVG
// tiles under tiles/ with a digest of them stamped into the page, and the
// service worker with the list of every file and a digest of their contents.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { join, relative } from 'node:path';

const [pageDir, tileDir, siteDir, esbuild] = process.argv.slice(2);
if (!esbuild) {
    console.error('usage: node assemble.mjs PAGE_DIR TILE_SVG_DIR SITE_DIR ESBUILD');
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

// The page's modules bundled under app/: what the first map needs in one
// module (and a chunk it shares with the set-up sheet's code, which comes
// later), not a request and a compile for each module. The page names the
// bundle and preloads what it imports; the modules bundled leave the site.
const bundle = join(siteDir, 'app');
rmSync(bundle, { recursive: true, force: true });
const metafile = `${siteDir}.bundle.json`; // beside the site, not in it
execFileSync(esbuild, ['js/main.js', '--bundle', '--splitting', '--format=esm', '--outdir=app',
    '--external:../tavrin_engine.js', '--log-level=warning', `--metafile=${metafile}`],
    { cwd: siteDir, stdio: 'inherit' });
const meta = JSON.parse(readFileSync(metafile, 'utf8'));
for (const input of Object.keys(meta.inputs))
    rmSync(join(siteDir, input));
const firstFrame = ['app/main.js'];
for (const file of firstFrame)
    for (const { path, kind } of meta.outputs[file].imports)
        if (kind === 'import-statement' && !firstFrame.includes(path) && path.startsWith('app/'))
            firstFrame.push(path);
const preloads = ['tavrin_engine.js', ...firstFrame]
    .map((file) => `<link rel="modulepreload" href="${file}">`).join('\n');
const page = join(siteDir, 'index.html');
const source = readFileSync(page, 'utf8').replace(/^<link rel="modulepreload" href="[^"]*">\n/gm, '');
if (!source.includes('<script type="module" src="js/main.js"></script>'))
    throw new Error('index.html does not load js/main.js as a module');
writeFileSync(page, source.replace('<script type="module" src="js/main.js"></script>',
    `${preloads}\n<script type="module" src="app/main.js"></script>`));

// The page keeps bitmaps of the tile art between visits, marked with a
// digest of the art: new art, new bitmaps.
const art = createHash('sha256');
for (const path of listTree(join(siteDir, 'tiles')).sort())
    art.update(relative(siteDir, path)).update(readFileSync(path));
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
