// A small client of Chromium's DevTools protocol: starts the system's
// headless Chromium with a new empty profile, opens pages, and sends
// commands to them over node's WebSocket (node --experimental-websocket), or
// the ws module's where node has none. Every wait has a deadline, so a page
// or a browser that stops answering fails the test instead of hanging it.

import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// require() rather than import(): only require() looks in NODE_PATH, where
// Debian's node-ws lives (/usr/share/nodejs).
const Socket = globalThis.WebSocket ?? createRequire(import.meta.url)('ws').WebSocket;

// The longest any one DevTools command may take to be answered.
const AnswerDeadline = 60000;

// `promise`, or a failure naming `what` once `ms` milliseconds have passed.
function withDeadline(promise, ms, what) {
    let timer;
    const late = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`no answer within ${ms} ms: ${what}`)), ms);
        timer.unref(); // never what keeps node running
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

export class Browser {
    static async launch(binary = process.env.CHROMIUM ?? 'chromium') {
        const profile = mkdtempSync(join(tmpdir(), 'tavrin-chromium-'));
        const child = spawn(binary, [
            '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--disable-dev-shm-usage', `--user-data-dir=${profile}`, '--remote-debugging-port=0',
            'about:blank',
        ], { stdio: ['ignore', 'ignore', 'pipe'], detached: true });
        try {
            return await Browser.connect(child, profile);
        } catch (error) {
            // Never leave a browser behind that did not start as it should.
            try {
                process.kill(-child.pid, 'SIGKILL');
            } catch {
                // Already gone.
            }
            rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
            throw error;
        }
    }

    static async connect(child, profile) {
        const endpoint = await new Promise((resolve, reject) => {
            let text = '';
            const timer = setTimeout(() => reject(new Error(`Chromium did not start:\n${text}`)), 20000);
            child.stderr.on('data', (chunk) => {
                text += chunk;
                const found = /DevTools listening on (ws:\/\/\S+)/.exec(text);
                if (found) {
                    clearTimeout(timer);
                    resolve(found[1]);
                }
            });
            child.once('exit', () => reject(new Error(`Chromium ended:\n${text}`)));
        });
        const browser = new Browser(child, profile, new Socket(endpoint));
        await withDeadline(new Promise((resolve, reject) => {
            browser.socket.addEventListener('open', resolve, { once: true });
            browser.socket.addEventListener('error', reject, { once: true });
        }), 20000, `the DevTools socket ${endpoint}`);
        return browser;
    }

    constructor(child, profile, socket) {
        this.child = child;
        this.profile = profile;
        this.socket = socket;
        this.nextId = 1;
        this.waiting = new Map();
        this.listeners = new Set();
        socket.addEventListener('message', (event) => {
            const message = JSON.parse(event.data);
            const pending = this.waiting.get(message.id);
            if (pending) {
                this.waiting.delete(message.id);
                if (message.error)
                    pending.reject(new Error(`${pending.method}: ${message.error.message}`));
                else
                    pending.resolve(message.result);
                return;
            }
            for (const listener of this.listeners)
                listener(message);
        });
    }

    send(method, params = {}, sessionId = undefined) {
        const id = this.nextId++;
        this.socket.send(JSON.stringify({ id, method, params, sessionId }));
        const answer = new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, method }));
        return withDeadline(answer, AnswerDeadline, method).finally(() => this.waiting.delete(id));
    }

    async newPage() {
        const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
        const page = new Page(this, sessionId, targetId);
        await page.send('Page.enable');
        await page.send('Runtime.enable');
        return page;
    }

    async close() {
        try {
            // The browser may go before it answers.
            await Promise.race([this.send('Browser.close').catch(() => {}),
                new Promise((r) => setTimeout(r, 3000))]);
        } catch {
            // Already gone.
        }
        const ended = new Promise((resolve) => {
            if (this.child.exitCode !== null || this.child.signalCode !== null)
                resolve();
            else
                this.child.once('exit', resolve);
        });
        try {
            process.kill(-this.child.pid);
        } catch {
            // Ended with Browser.close.
        }
        await Promise.race([ended, new Promise((r) => setTimeout(r, 5000))]);
        this.socket.close();
        rmSync(this.profile, { recursive: true, force: true, maxRetries: 5 });
    }
}

export class Page {
    constructor(browser, sessionId, targetId) {
        this.browser = browser;
        this.sessionId = sessionId;
        this.targetId = targetId;
        this.errors = [];
        browser.listeners.add((message) => {
            if (message.sessionId !== sessionId)
                return;
            if (message.method === 'Runtime.exceptionThrown')
                this.errors.push(message.params.exceptionDetails.exception?.description
                    ?? message.params.exceptionDetails.text);
        });
    }

    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }

    // Closes the page (a tab left open goes on working in the background).
    async close() {
        await this.browser.send('Target.closeTarget', { targetId: this.targetId });
    }

    // The value of a JavaScript expression in the page, awaited.
    async evaluate(expression) {
        const answer = await this.send('Runtime.evaluate',
            { expression, awaitPromise: true, returnByValue: true });
        if (answer.exceptionDetails)
            throw new Error(`${expression}: ${answer.exceptionDetails.exception?.description
                ?? answer.exceptionDetails.text}`);
        return answer.result.value;
    }

    // Waits until the expression is true, for at most `timeout` ms.
    async waitFor(expression, timeout = 10000) {
        const end = Date.now() + timeout;
        while (Date.now() < end) {
            // While a page loads, its document may not be there yet.
            if (await this.evaluate(expression).catch(() => false))
                return;
            await new Promise((r) => setTimeout(r, 25));
        }
        throw new Error(`timed out waiting for ${expression}; page errors: ${this.errors.join('; ')}`);
    }

    async setSize(width, height, mobile) {
        await this.send('Emulation.setDeviceMetricsOverride',
            { width, height, deviceScaleFactor: mobile ? 3 : 1, mobile });
        await this.send('Emulation.setTouchEmulationEnabled', { enabled: mobile, maxTouchPoints: 5 });
    }

    async goto(url) {
        await this.send('Page.navigate', { url });
    }

    async tap(x, y) {
        const touchPoints = [{ x, y, id: 1 }];
        await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints });
        await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    }

    async click(x, y) {
        for (const type of ['mouseMoved', 'mousePressed', 'mouseReleased'])
            await this.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1 });
    }

    async screenshot() {
        const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
        return Buffer.from(data, 'base64');
    }
}
