// Choosing a route on the map: the first clearing tapped is From, the next
// is To, and the one after that starts a new route from itself.

export class RoutePicker {
    constructor() {
        this.clear();
    }

    clear() {
        this.from = null;
        this.to = null;
    }

    // Takes a tapped clearing; true when From and To are both chosen.
    pick(location) {
        if (this.from === null || this.to !== null) {
            this.from = location;
            this.to = null;
            return false;
        }
        this.to = location;
        return true;
    }
}
