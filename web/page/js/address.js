// The page's address carries the map shown: "#N/k" for the k-th map of seed
// N, "#CODE" for a map code. A link thus opens the same map.

const SeedForm = /^(\d{1,10})\/(\d{1,10})$/;

// What an address's fragment (with or without its "#") asks for: a seed and
// number, a code, or nothing.
export function parseAddress(hash) {
    let text = hash.startsWith('#') ? hash.slice(1) : hash;
    try {
        text = decodeURIComponent(text);
    } catch {
        // A stray "%" is a character of the code, as typed.
    }
    if (text.trim() === '')
        return null;
    const seed = SeedForm.exec(text.trim());
    if (seed) {
        const n = Number(seed[1]);
        const k = Number(seed[2]);
        if (n <= 4294967295 && k >= 1)
            return { kind: 'seed', seed: n, number: k };
    }
    return { kind: 'code', text };
}

// The fragment that names a map: its seed and number when it has them,
// otherwise its code, escaped so that every character survives the trip.
export function addressOf(map) {
    if (map.seed !== null && map.seed !== undefined)
        return `#${map.seed}/${map.number}`;
    return '#' + encodeURIComponent(map.shareCode ?? map.mapString);
}
