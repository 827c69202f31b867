// The page's address carries the map shown: "#N/k" for the k-th map of seed
// N, "#CODE" for a map code. A link thus opens the same map; what an address
// asks for is the engine's to read, as it reads any pasted text.

// The text of an address's fragment (with or without its "#"), its escapes
// undone.
export function addressText(hash) {
    const text = hash.startsWith('#') ? hash.slice(1) : hash;
    try {
        return decodeURIComponent(text);
    } catch {
        // A stray "%" is a character of the code, as typed.
        return text;
    }
}

// The fragment that names a map: its seed and number when it has them,
// otherwise its code, escaped so that every character survives the trip.
export function addressOf(map) {
    if (map.seed !== null && map.seed !== undefined)
        return `#${map.seed}/${map.number}`;
    return '#' + encodeURIComponent(map.shareCode ?? map.mapString);
}
