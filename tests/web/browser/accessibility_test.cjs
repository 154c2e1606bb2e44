// What a screen reader gets, from Chromium's accessibility tree: a Czech page, every shown control
// named in its role, the cards with their descriptions, the pictures with their alt texts, and the
// story, the purse and the description as live regions.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

async function tree(browser) {
  const { nodes } = await browser.client.Accessibility.getFullAXTree();
  const prop = (n, name) => n.properties?.find((p) => p.name === name)?.value?.value;
  return nodes.filter((n) => !n.ignored).map((n) => ({
    id: n.backendDOMNodeId, role: n.role?.value, name: n.name?.value ?? "",
    description: n.description?.value ?? "", live: prop(n, "live"),
  }));
}

// The accessibility node of each shown control, found through its page element.
async function nodesOfControls(browser) {
  const nodes = await tree(browser);
  const { DOM } = browser.client;
  const { root } = await DOM.getDocument({ depth: -1 });
  const { nodeIds } = await DOM.querySelectorAll({ nodeId: root.nodeId, selector: "#game [data-control]" });
  const out = {};
  for (const nodeId of nodeIds) {
    const { node } = await DOM.describeNode({ nodeId });
    const name = node.attributes[node.attributes.indexOf("data-name") + 1];
    out[name] = nodes.find((n) => n.id === node.backendNodeId) ?? null;
  }
  return { nodes, controls: out };
}

run(async (browser) => {
  await browser.load();
  expectEqual(await browser.eval("document.documentElement.lang"), "cs", "the page's language");
  const desc = JSON.parse(await browser.eval("JSON.stringify(window.tolm.description)"));
  for (const path of [[], ["Vyjít"], ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy1"]]) {
    await browser.load();
    for (const c of path) await browser.click(c);
    if (path.length === 7) {
      const card = await browser.centre("Card1");
      await browser.mouseTo(card.x, card.y);
    }
    const { nodes, controls } = await nodesOfControls(browser);
    const shown = (await browser.seen()).shown;
    for (const name of shown) {
      const c = desc.controls.find((d) => d.name === name);
      const node = controls[name];
      expect(node, `${name} is shown but not in the accessibility tree`);
      const texts = nodes.filter((n) => n.role === "StaticText").map((n) => n.name);
      switch (c.kind) {
        case "button": expectEqual([node.role, node.name], ["button", c.caption], `${name}'s role and name`); break;
        case "picture": {
          const img = nodes.find((n) => n.role === "image" && n.name === c.alt);
          expect(img, `${name}'s picture is an image named "${c.alt}"`);
          break;
        }
        case "frame": expectEqual([node.role, node.name], ["group", c.caption], `${name}'s role and name`); break;
        case "shape": expectEqual([node.role, node.name], ["image", c.alt], `${name}'s role and name`); break;
        case "label": {
          const text = await browser.eval(`document.querySelector('#game [data-name="${name}"]').textContent`);
          expect(text === "" || texts.includes(text), `${name}'s text "${text}" is read out`);
          if (c.tooltip) expect(node.description === c.tooltip, `${name} says its hint "${c.tooltip}"`);
          if (c.description) expectEqual(node.description, c.description, `${name}'s description`);
          break;
        }
      }
    }
    for (const name of ["P", "peníze", "Popis"])
      if (shown.includes(name)) expectEqual(controls[name].live, "polite", `${name} is a live region`);
    if (path.length === 7) expect(shown.includes("Popis"), "the description is shown over the card");
  }

  // Every label's text can be read on its own background, the coloured cards and tally included:
  // at least 4.5:1 by the relative luminance of the colours the page really draws.
  const contrasts = await browser.eval(`(() => {
    const channel = (v) => { v /= 255; return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4; };
    const luminance = (css) => { const [r, g, b] = css.match(/\\d+/g).map(Number);
      return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b); };
    return [...document.querySelectorAll('#game p')].map((e) => {
      const style = getComputedStyle(e);
      const [a, b] = [luminance(style.color), luminance(style.backgroundColor)];
      return [e.dataset.name, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
    });
  })()`);
  expect(contrasts.length === desc.controls.filter((c) => c.kind === "label").length, "every label is measured");
  for (const [name, ratio] of contrasts) expect(ratio >= 4.5, `${name}'s text has a contrast of ${ratio.toFixed(2)}:1`);
});
