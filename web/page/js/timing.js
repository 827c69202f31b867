// When the page does its work: an answer as soon as it can be drawn, what
// no one sees yet once the browser is idle.
//
// The frame after a change to the page is drawn once requestAnimationFrame's
// callbacks have run and the browser has painted; a task queued from there
// runs after that frame. The time from the player's ask (the event's own
// time stamp) to it is kept as a performance measure, `tavrin-drawn:<what>`,
// which the browser test reads.

// Runs `callback` after the next frame is drawn; at once (in a task of its
// own) in a hidden page, which draws no frames.
export function afterFrame(callback) {
    if (document.hidden)
        setTimeout(callback, 0);
    else
        requestAnimationFrame(() => setTimeout(callback, 0));
}

// After the next frame: measures the time since `start` (none: not
// measured) as `what`, then runs `then`.
export function timeToFrame(what, start, then = () => {}) {
    afterFrame(() => {
        if (start !== undefined)
            performance.measure(`tavrin-drawn:${what}`, { start, end: performance.now() });
        then();
    });
}

// Runs `callback` when the browser has nothing else to do (or within a
// second at the latest); a browser without idle callbacks waits a little.
export function whenIdle(callback) {
    if ('requestIdleCallback' in window)
        requestIdleCallback(callback, { timeout: 1000 });
    else
        setTimeout(callback, 50);
}

// Marks `name` on the page's timeline the first time only: the stages of the
// first map (the browser test prints where its time went), never again.
export function markOnce(name) {
    if (performance.getEntriesByName(name, 'mark').length === 0)
        performance.mark(name);
}
