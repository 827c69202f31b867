// The set-up sheet the page prints: the engine's sheet plan (the same the
// program prints and tavrin-cli writes) painted as one SVG per page. Every
// box comes from the plan; this only draws. The QR code's modules come from
// qrcode-generator (js/qrcode.js), the tile art from the map view's files.

import { svgElement, tileGroup } from './map_svg.js';

const Faces = ['DejaVu Sans, sans-serif', 'DejaVu Sans, sans-serif', 'DejaVu Sans Mono, monospace'];
const Anchors = ['start', 'middle', 'end'];
const PartNames = ['header', 'legend', 'grid', 'page-label', 'table'];

function rect(box, attributes = {}) {
    return svgElement('rect', { x: box.x, y: box.y, width: box.w, height: box.h, ...attributes });
}

function polygon(points, attributes) {
    return svgElement('polygon', { points: points.map((p) => `${p.x},${p.y}`).join(' '), ...attributes });
}

function line([x1, y1, x2, y2], attributes) {
    return svgElement('line', { x1, y1, x2, y2, ...attributes });
}

function text(item) {
    const x = [item.box.x, item.box.x + item.box.w / 2, item.box.x + item.box.w][item.align];
    const element = svgElement('text', {
        x,
        y: item.box.y + item.points * 0.95,
        'font-family': Faces[item.font],
        'font-size': item.points,
        'font-weight': item.font === 1 ? 'bold' : 'normal',
        'text-anchor': Anchors[item.align],
        class: PartNames[item.part],
        // Blanks count, as the plan measured them ("Map code: ").
        style: 'white-space: pre',
    });
    // Words the plan measured to their box keep its width in any face.
    if (item.align === 0 && item.part !== 4)
        element.setAttribute('textLength', item.box.w);
    element.textContent = item.text;
    return element;
}

// The QR code of `content` in `box`, quiet zone included: its modules as
// one path, dark on white.
function qrCode(content, box) {
    const group = svgElement('g', { class: 'qr' });
    group.append(rect(box, { fill: '#fff' }));
    const code = globalThis.qrcode(0, 'M');
    code.addData(content, 'Byte');
    code.make();
    const count = code.getModuleCount();
    const module = box.w / (count + 8);
    let path = '';
    for (let row = 0; row < count; row += 1)
        for (let col = 0; col < count; col += 1)
            if (code.isDark(row, col))
                path += `M${box.x + (col + 4) * module} ${box.y + (row + 4) * module}h${module}v${module}h${-module}z`;
    group.append(svgElement('path', { d: path, fill: '#000', 'shape-rendering': 'crispEdges' }));
    return group;
}

// A view of the map: the part the plan shows, the tiles drawn when the page
// is about to print (twenty more pictures to load), the marks over them.
function mapView(view, plan) {
    const { page: box, part } = view;
    const picture = svgElement('svg', {
        x: box.x, y: box.y, width: box.w, height: box.h,
        viewBox: `${part.x} ${part.y} ${part.w} ${part.h}`, class: 'sheet-view',
    });
    const tiles = svgElement('g', { class: 'sheet-tiles' });
    const marks = svgElement('g', { class: 'marks' });
    for (const mark of plan.marks)
        marks.append(polygon(mark, { class: 'rotation-mark', 'stroke-width': 1.2 / plan.scale }));
    picture.append(tiles, marks);
    return [picture, rect(box, { fill: 'none', stroke: '#808080', 'stroke-width': 0.5 })];
}

function paintPage(page, plan, paper) {
    const svg = svgElement('svg', {
        class: 'sheet-page',
        width: `${plan.width}pt`,
        height: `${plan.height}pt`,
        viewBox: `0 0 ${plan.width} ${plan.height}`,
    });
    for (const stripe of page.stripes)
        svg.append(rect(stripe, { fill: '#eee' }));
    for (const rule of page.rules)
        svg.append(line(rule, { stroke: '#808080', 'stroke-width': 0.5 }));
    for (const view of page.maps)
        svg.append(...mapView(view, plan));
    for (const dash of page.dashes)
        svg.append(line(dash, { stroke: '#000', 'stroke-width': 0.6, 'stroke-dasharray': '3 2' }));
    for (const item of page.texts)
        svg.append(text(item));
    if (page.legendMark.w > 0) {
        const box = page.legendMark;
        svg.append(line([box.x, box.y + 0.5, box.x + box.w, box.y + 0.5], { stroke: '#000', 'stroke-width': 0.8 }));
        svg.append(polygon(page.legendArrow, { class: 'rotation-mark', 'stroke-width': 0.5 }));
    }
    if (page.qr.w > 0)
        svg.append(qrCode(plan.qrText, page.qr));
    svg.dataset.paper = paper;
    return svg;
}

// Paints the sheet of `plan` (the engine's sheetPlan answer) into `sheet`
// and sets the paper the browser prints on to the plan's.
export function fillSheet(sheet, plan, paper = 'A4') {
    sheet.replaceChildren(...plan.pages.map((page) => paintPage(page, plan, paper)));
    document.querySelector('#page-size').textContent =
        `@page { size: ${paper} ${plan.landscape ? 'landscape' : 'portrait'}; margin: 7mm; }`;
}

// The tiles of the map into every view, once, when the page is about to print.
export function drawSheetMap(sheet, map) {
    if (!map)
        return;
    for (const tiles of sheet.querySelectorAll('.sheet-tiles'))
        if (!tiles.firstChild)
            tiles.append(tileGroup(map));
}
