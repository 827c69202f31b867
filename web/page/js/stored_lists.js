// The page's kept maps and history in the browser's storage (IndexedDB),
// shared by every tab of the page. Each change is one read-write
// transaction, which the browser runs one at a time across tabs: the change
// reads the list as stored now and applies only itself, so no tab loses
// another's maps. The lists are texts that only the engine reads and
// changes; this file carries them.

const StoreName = 'lists';
let database = null;

function opened() {
    database ??= new Promise((resolve, reject) => {
        const request = indexedDB.open('tavrin', 1);
        request.onupgradeneeded = () => request.result.createObjectStore(StoreName);
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
    return database;
}

const asText = (value) => (typeof value === 'string' ? value : '');

// The list's text as stored now ('' before the first change).
export async function readList(name) {
    const db = await opened();
    return new Promise((resolve, reject) => {
        const request = db.transaction(StoreName).objectStore(StoreName).get(name);
        request.onsuccess = () => resolve(asText(request.result));
        request.onerror = () => reject(request.error);
    });
}

// Stores `change(text as stored now)`; answers the text stored. Fails when
// the browser keeps nothing (storage full or turned off).
export async function changeList(name, change) {
    const db = await opened();
    return new Promise((resolve, reject) => {
        const transaction = db.transaction(StoreName, 'readwrite');
        const store = transaction.objectStore(StoreName);
        let text = '';
        const request = store.get(name);
        request.onsuccess = () => {
            text = change(asText(request.result));
            store.put(text, name);
        };
        transaction.oncomplete = () => resolve(text);
        transaction.onerror = () => reject(transaction.error);
        transaction.onabort = () => reject(transaction.error);
    });
}
