// The page in the reader's language: the first of navigator.languages that
// the page has a catalogue for (translations/<language>.json, made at build
// time from the program's translations/*.ts), else English, the language the
// page is written in. A catalogue that is missing or broken leaves the page
// in English.
//
// The page's own words are looked up by tr(), and the words of index.html
// are translated in place; the engine's and the core's texts are translated
// by the engine itself from the catalogue's "Core" texts (see engine.js).

let catalogue = { Page: {}, Core: {} };

export async function loadLanguage(languages = navigator.languages ?? [navigator.language]) {
    for (const tag of languages) {
        const language = String(tag).toLowerCase().split('-')[0];
        // English is the page's own language: a reader who puts it before
        // another gets it.
        if (language === 'en' || !/^[a-z]{2,3}$/.test(language))
            return 'en';
        try {
            const response = await fetch(`translations/${language}.json`);
            if (!response.ok)
                continue;
            const read = await response.json();
            catalogue = { Page: read.Page ?? {}, Core: read.Core ?? {} };
            document.documentElement.lang = language;
            return language;
        } catch {
            // No catalogue, or one that is not JSON: the next language.
        }
    }
    return 'en';
}

// The catalogue's "Core" texts, which the engine translates by.
export function coreTexts() {
    return catalogue.Core;
}

// A text of the page in the reader's language, with %1..%9 filled by the
// values given.
export function tr(source, ...values) {
    const text = catalogue.Page[source] || source;
    return text.replace(/%([1-9])/g, (mark, n) => (n <= values.length ? String(values[n - 1]) : mark));
}

const Attributes = ['title', 'aria-label', 'placeholder', 'alt'];

// The words of the page as written in index.html, in the reader's language.
export function translatePage(root = document.body) {
    const said = (text) => catalogue.Page[text.replace(/\s+/g, ' ').trim()];
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const text = said(node.nodeValue);
        if (text)
            node.nodeValue = text;
    }
    for (const element of root.querySelectorAll(Attributes.map((a) => `[${a}]`).join(','))) {
        for (const attribute of Attributes) {
            const text = element.hasAttribute(attribute) && said(element.getAttribute(attribute));
            if (text)
                element.setAttribute(attribute, text);
        }
    }
}
