// Times the browser edition's module beyond the firmware's pass, for two or
// more builds side by side in one run: each round runs every site's module
// once, one after the other, and each figure is the median over ROUNDS (ms):
//   page passes  20,000 of the page's passes (the shown instrument's inputs,
//                the one recorder, the firmware) with a timer tick every six
//   lessons      every shipped lesson run as a plain script: parsing, the
//                set-up, each solution and the checks of its conditions
//   run 2h       "on" and "run 2h" through the script language
//   node bench/web_module_timing.mjs ROUNDS SITE...   (SITE: a build-web/site)
import { readFileSync, readdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { performance } from 'node:perf_hooks';

const [rounds, ...sites] = process.argv.slice(2);
if (!(Number(rounds) > 0) || sites.length === 0) {
  console.error('usage: node bench/web_module_timing.mjs ROUNDS SITE...');
  process.exit(2);
}
const lessonFolder = new URL('../lessons/', import.meta.url);
const lessons = readdirSync(lessonFolder).filter((name) => name.endsWith('.qs9'))
  .map((name) => readFileSync(new URL(name, lessonFolder)));

async function loadSite(site) {
  const load = (name) => import(pathToFileURL(resolve(site, name)).href);
  const firmware = await load('firmware.js');
  const { runScript } = await load('script_bridge.js');
  const compiled = await firmware.compileFirmware(readFileSync(join(site, 'qs9.wasm')));
  const fresh = () => firmware.newFirmware(compiled);
  return {
    async 'page passes'() {
      const instrument = await fresh();
      // What the page would hear of: nobody listens here.
      const nobody = () => {};
      instrument.module.pageInputs = { powerChanged: nobody, refused: nobody, showInput: nobody, played: nobody, playbackChanged: nobody };
      instrument.powerOn();
      const start = performance.now();
      for (let n = 1; n <= 20000; ++n) {
        instrument.pass();
        if (n % 6 === 0)
          instrument.tick();
      }
      return performance.now() - start;
    },
    async lessons() {
      const instruments = await Promise.all(lessons.map(fresh));
      const start = performance.now();
      lessons.forEach((lesson, i) => {
        if (runScript(instruments[i], lesson).status !== 0)
          throw new Error(`a lesson failed in ${site}`);
      });
      return performance.now() - start;
    },
    async 'run 2h'() {
      const instrument = await fresh();
      const start = performance.now();
      runScript(instrument, 'on\nrun 2h\n');
      return performance.now() - start;
    },
  };
}

const loaded = await Promise.all(sites.map(loadSite));
const workloads = Object.keys(loaded[0]);
const times = loaded.map(() => Object.fromEntries(workloads.map((w) => [w, []])));
for (let round = 0; round < Number(rounds); ++round)
  for (const workload of workloads)
    for (const [i, site] of loaded.entries())
      times[i][workload].push(await site[workload]());

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(['workload'.padEnd(14), ...sites.map((_, i) => `site ${i + 1} ms`.padStart(12)), ...sites.slice(1).map((_, i) => `${i + 2}/1`.padStart(6))].join(' '));
for (const workload of workloads) {
  const figures = times.map((t) => median(t[workload]));
  console.log([workload.padEnd(14), ...figures.map((f) => f.toFixed(1).padStart(12)),
    ...figures.slice(1).map((f) => (f / figures[0]).toFixed(2).padStart(6))].join(' '));
}
sites.forEach((site, i) => console.log(`site ${i + 1}: ${site}`));
