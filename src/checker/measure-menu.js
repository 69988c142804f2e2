// Measures a Modern menu as the page shows it. Loaded into the exported page by the menu
// checker; every function returns plain data for the checker to judge.
(() => {
    const parse = (text) => {
        const found = /rgba?\(([^)]*)\)/.exec(text || '');
        if (!found) return null;
        const parts = found[1].split(/[\s,/]+/).filter(Boolean).map(Number);
        return [parts[0], parts[1], parts[2], parts.length > 3 ? parts[3] : 1];
    };
    const over = (top, below) => {
        const a = top[3];
        return [0, 1, 2].map(i => top[i] * a + below[i] * (1 - a));
    };
    const gradientStops = (image) =>
        (image.match(/(?:repeating-)?(?:linear|radial|conic)-gradient\((?:[^()]|\([^()]*\))*\)/g) || [])
            .flatMap(g => (g.match(/rgba?\([^)]*\)/g) || []).map(parse));
    const contains = (box, x, y) => x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;

    // Every opaque colour the element's middle may stand on: the page's white, then each
    // ancestor whose box holds that point, its colour and each stop of its gradients.
    const behind = (element) => {
        const chain = [];
        for (let e = element; e; e = e.parentElement) chain.unshift(e);
        const box = element.getBoundingClientRect();
        const x = box.left + box.width / 2, y = box.top + box.height / 2;
        let below = [[255, 255, 255]];
        for (const e of chain) {
            const root = e === document.documentElement || e === document.body;
            if (!root && e !== element && !contains(e.getBoundingClientRect(), x, y)) continue;
            const style = getComputedStyle(e);
            const colour = parse(style.backgroundColor);
            if (colour && colour[3] > 0) below = below.map(b => over(colour, b));
            const stops = gradientStops(style.backgroundImage).filter(s => s);
            if (stops.length) below = stops.flatMap(s => below.map(b => over(s, b)));
            const seen = new Map(below.map(b => [b.map(Math.round).join(), b]));
            below = [...seen.values()].slice(0, 64);
        }
        return below;
    };
    const shown = (e) => {
        const box = e.getBoundingClientRect();
        return e.offsetParent !== null && box.width > 0 && box.height > 0 &&
            getComputedStyle(e).visibility !== 'hidden';
    };
    const rect = (e) => {
        const b = e.getBoundingClientRect();
        return [b.left, b.top, b.width, b.height];
    };

    let nav = null, name = '';
    const pins = { hover: '', active: '' };
    window.brindleMeasure = {
        // The menu's landmark and class name; false when the page holds no Modern menu.
        setup(hoverClass, activeClass, pinRules) {
            nav = document.querySelector('nav[class$="-nav"]');
            if (!nav) return false;
            name = nav.className.split(/\s+/).find(c => c.endsWith('-nav')).slice(0, -4);
            pins.hover = hoverClass;
            pins.active = activeClass;
            const style = document.createElement('style');
            style.textContent = pinRules;
            document.head.appendChild(style);
            return true;
        },
        // The phone menu and every drop-down open, as a visitor opens them.
        openAll() {
            const toggle = nav.querySelector('input[type="checkbox"]');
            if (toggle) toggle.checked = true;
            nav.querySelectorAll('li').forEach(li => {
                if (li.querySelector(':scope > ul')) li.classList.add(name + '-open');
            });
            return true;
        },
        // normal; hover: the pointer on every item; within: in every drop-down, the bar's
        // links not under it; active and pressedWithin likewise with the button held down.
        state(which) {
            nav.querySelectorAll('*').forEach(e => e.classList.remove(pins.hover, pins.active));
            if (which === 'normal') return true;
            const pressed = which === 'active' || which === 'pressedWithin';
            const within = which === 'within' || which === 'pressedWithin';
            nav.querySelectorAll('li, a, li > button').forEach(e => {
                if (within && e.tagName !== 'LI' && !e.closest('ul ul')) return;
                e.classList.add(pins.hover);
                if (pressed) e.classList.add(pins.active);
            });
            return true;
        },
        // Every title shown: its colour, size and what it stands on.
        texts() {
            const items = [...nav.querySelectorAll('a, label')].filter(shown);
            return JSON.stringify(items.map(e => {
                const style = getComputedStyle(e);
                return { title: e.textContent.trim(), sub: !!e.closest('ul ul'),
                         colour: parse(style.color), size: parseFloat(style.fontSize),
                         behind: behind(e) };
            }));
        },
        // Where each link's title and icon stand, and what the icons and arrows occupy.
        geometry() {
            // Where titles start, counted from the edge the menu's lines start at.
            const rtl = getComputedStyle(nav).direction === 'rtl';
            const edge = nav.getBoundingClientRect();
            const links = [...nav.querySelectorAll('a')].filter(shown).map(a => {
                const r = a.getBoundingClientRect(), s = getComputedStyle(a);
                const top = r.top + parseFloat(s.paddingTop) + parseFloat(s.borderTopWidth);
                const svg = a.querySelector('svg');
                let icon = null;
                if (svg) { const b = svg.getBoundingClientRect(); icon = b.top + b.height / 2; }
                else if (/url\(/.test(s.backgroundImage)) icon = r.top + r.height / 2;
                return { title: a.textContent.trim(), sub: !!a.closest('ul ul'),
                         inner: !!a.closest('ul ul ul'),
                         line: top + parseFloat(s.lineHeight) / 2, icon,
                         start: rtl ? edge.right - r.right + parseFloat(s.paddingRight)
                                    : r.left - edge.left + parseFloat(s.paddingLeft),
                         box: rect(a) };
            });
            const arrows = [...nav.querySelectorAll('li > button')].filter(shown).map(b => ({
                title: b.parentNode.querySelector(':scope > a').textContent.trim(),
                sub: !!b.closest('ul ul'), box: rect(b) }));
            const toggles = [...nav.querySelectorAll('label')].filter(shown).map(l => ({
                title: l.textContent.trim(), box: rect(l) }));
            return JSON.stringify({ links, arrows, toggles });
        },
        // Icons, arrows and the toggle's bars hidden (or shown again), to tell their pixels
        // from what they are drawn on.
        hideGraphics(hide) {
            let style = document.getElementById('brindle-check-hide');
            if (!style) {
                style = document.createElement('style');
                style.id = 'brindle-check-hide';
                style.textContent = 'nav svg, nav img, nav button::after, nav label::before ' +
                    '{ visibility: hidden !important }';
            }
            if (hide) document.head.appendChild(style); else style.remove();
            nav.querySelectorAll('a').forEach(a => {
                a.style.removeProperty('background-image');
                const image = getComputedStyle(a).backgroundImage;
                if (hide && /url\(/.test(image)) {
                    const kept = gradientStops(image).length
                        ? image.match(/(?:repeating-)?(?:linear|radial|conic)-gradient\((?:[^()]|\([^()]*\))*\)/g).join(', ')
                        : 'none';
                    a.style.setProperty('background-image', kept, 'important');
                }
            });
            return true;
        },
    };
})();
