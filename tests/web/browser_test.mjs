// Kalmot's browser build in Debian's headless Chromium, driven by
// puppeteer-core over the site served on 127.0.0.1:
//   node browser_test.mjs <site folder> <reference folder>
// The reference folder holds the desktop build's frames for the same input
// (kalmot_web_reference). Prints each screen's frames per second and busy
// milliseconds per frame; asserts only that frames advance, not a speed.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [Site, Reference] = process.argv.slice(2).map(P => path.resolve(P));
const Points = JSON.parse(fs.readFileSync(path.join(Reference, 'points.json'), 'utf8'));
const Width = 800, Height = 600;
// Display positions: "Menu" spans (100, 100)-(320, 295), its buttons 26
// pixels high from (111, 128); the control window of every simulation
// opens at (200, 200), the particle screen's spanning (200, 200)-(558, 378).
const ParticlesButton = [150, 140], TornadoButton = [150, 165], FireButton = [150, 192];
const ParticleBox = [218, 234]; // "Cząsteczka" in the particle screen's control window
const Failures = [];

function Check(Ok, What) {
  console.log(`${Ok ? 'ok  ' : 'FAIL'} ${What}`);
  if (!Ok) Failures.push(What);
}

function ReadPpm(File) {
  const Bytes = fs.readFileSync(File);
  const Header = Bytes.subarray(0, 20).toString('latin1').match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!Header || +Header[1] !== Width || +Header[2] !== Height) throw new Error(`${File}: not an 800x600 PPM`);
  return Bytes.subarray(Header[0].length);
}

// Pixels of an RGBA frame that differ from another RGBA frame or an RGB
// reference, within a rectangle (the whole display by default).
function Differing(Frame, Other, OtherIsRgb, [X0, Y0, X1, Y1] = [0, 0, Width, Height]) {
  let Count = 0;
  for (let Y = Y0; Y < Y1; ++Y)
    for (let X = X0; X < X1; ++X) {
      const I = Y * Width + X, A = I * 4, B = OtherIsRgb ? I * 3 : I * 4;
      if (Frame[A] !== Other[B] || Frame[A + 1] !== Other[B + 1] || Frame[A + 2] !== Other[B + 2]) ++Count;
    }
  return Count;
}

function Lit(Frame, [X0, Y0, X1, Y1]) {
  let Count = 0;
  for (let Y = Y0; Y < Y1; ++Y)
    for (let X = X0; X < X1; ++X) {
      const A = (Y * Width + X) * 4;
      if (Frame[A] || Frame[A + 1] || Frame[A + 2]) ++Count;
    }
  return Count;
}

const Types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream', '.png': 'image/png' };
const Server = http.createServer((Request, Response) => {
  const Name = new URL(Request.url, 'http://localhost').pathname;
  const File = path.join(Site, path.normalize(Name === '/' ? '/index.html' : Name));
  if (!File.startsWith(Site + path.sep) || !fs.existsSync(File) || !fs.statSync(File).isFile()) {
    Response.writeHead(404).end();
    return;
  }
  Response.writeHead(200, { 'Content-Type': Types[path.extname(File)] || 'application/octet-stream' });
  fs.createReadStream(File).pipe(Response);
});
await new Promise(Resolve => Server.listen(0, '127.0.0.1', Resolve));
const Url = `http://127.0.0.1:${Server.address().port}/`;

const Profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kalmot-chromium-'));
const Browser = await puppeteer.launch({
  executablePath: process.env.KALMOT_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: Profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--window-size=1000,760'],
});
const Page = await Browser.newPage();
const ConsoleErrors = [];
Page.on('console', M => { if (M.type() === 'error') ConsoleErrors.push(M.text()); });
Page.on('pageerror', E => ConsoleErrors.push(String(E)));
Page.on('requestfailed', R => ConsoleErrors.push(`request failed: ${R.url()}`));

try {
  await Page.setViewport({ width: 1000, height: 760 });
  // The start is held until the pointer is parked, as the desktop's was before its first frame.
  await Page.evaluateOnNewDocument(() => { window.KalmotHold = true; });
  await Page.goto(Url, { waitUntil: 'load' });
  await Page.waitForFunction(() => window.Module && Module.calledRun, { timeout: 60000 });
  await Page.evaluate(() => {
    window.KalmotBase64 = Data => {
      let Text = '';
      for (let I = 0; I < Data.length; I += 0x8000) Text += String.fromCharCode.apply(null, Data.subarray(I, I + 0x8000));
      return btoa(Text);
    };
    Module.onFrameHook = N => {
      if (N === 1) window.KalmotFirstFrame = Module.canvas.getContext('2d').getImageData(0, 0, 800, 600).data;
    };
  });
  const Box = await Page.evaluate(() => {
    const R = Module.canvas.getBoundingClientRect();
    return { Left: R.left, Top: R.top, Width: R.width, Height: R.height };
  });
  Check(Box.Width === Width && Box.Height === Height, `the canvas is shown at 1x (${Box.Width}x${Box.Height}) in a 1000x760 window`);
  const At = ([X, Y]) => [Box.Left + (X + 0.5) * Box.Width / Width, Box.Top + (Y + 0.5) * Box.Height / Height];
  const Frames = () => Page.evaluate(() => Module.stats.frames);
  const WaitFrames = async N => {
    const Until = (await Frames()) + N;
    await Page.waitForFunction(U => Module.stats.frames >= U, { timeout: 60000, polling: 20 }, Until);
  };
  const Grab = async () => Buffer.from(await Page.evaluate(
    () => window.KalmotBase64(Module.canvas.getContext('2d').getImageData(0, 0, 800, 600).data)), 'base64');
  const Click = async Point => {
    await Page.mouse.move(...At(Point));
    await Page.mouse.down();
    await WaitFrames(2);
    await Page.mouse.up();
    await WaitFrames(2);
  };
  const Park = async () => Page.mouse.move(...At(Points.park));
  const Esc = async () => {
    await Page.keyboard.down('Escape');
    await WaitFrames(2);
    await Page.keyboard.up('Escape');
  };
  const Speed = async Name => {
    const [F0, B0, T0] = await Page.evaluate(() => [Module.stats.frames, Module.stats.busyMs, performance.now()]);
    await new Promise(R => setTimeout(R, 2000));
    const [F1, B1, T1] = await Page.evaluate(() => [Module.stats.frames, Module.stats.busyMs, performance.now()]);
    const Shown = F1 - F0;
    console.log(`speed ${Name.padEnd(10)} ${(Shown * 1000 / (T1 - T0)).toFixed(1)} fps, ` +
                `${(Shown ? (B1 - B0) / Shown : 0).toFixed(2)} ms busy per frame`);
    Check(Shown > 0, `frames advance on the ${Name} screen`);
  };
  const SettledMenu = ReadPpm(path.join(Reference, 'settled.ppm'));
  const BackOnMenu = async From => {
    await Park();
    await WaitFrames(Points.settleFrames + 10);
    const Differs = Differing(await Grab(), SettledMenu, true);
    Check(Differs === 0, `Esc on the ${From} screen brings back the menu as the desktop shows it (${Differs} pixels differ)`);
  };

  // The first frame, the pointer parked off the windows.
  await Park();
  await Page.evaluate(() => window.KalmotStart());
  await Page.waitForFunction(() => window.KalmotFirstFrame, { timeout: 60000 });
  const First = Buffer.from(await Page.evaluate(() => window.KalmotBase64(window.KalmotFirstFrame)), 'base64');
  const FirstDiffers = Differing(First, ReadPpm(path.join(Reference, 'menu.ppm')), true);
  Check(FirstDiffers === 0, `the first menu frame equals the desktop build's (${FirstDiffers} of ${Width * Height} pixels differ)`);
  await WaitFrames(Points.settleFrames + 10);
  Check(Differing(await Grab(), SettledMenu, true) === 0, 'the settled menu equals the desktop build\'s');
  await Speed('menu');

  // Typing into the test window's edit.
  await Click(Points.edit);
  for (const Letter of Points.word) {
    await Page.keyboard.down(Letter);
    await WaitFrames(2);
    await Page.keyboard.up(Letter);
    await WaitFrames(2);
  }
  await Park();
  await WaitFrames(Points.settleFrames + 10);
  const Typed = await Grab();
  const EditDiffers = Differing(Typed, ReadPpm(path.join(Reference, 'typed.ppm')), true, [364, 181, 490, 201]);
  const TypedDiffers = Differing(Typed, ReadPpm(path.join(Reference, 'typed.ppm')), true);
  Check(EditDiffers === 0 && Differing(Typed, SettledMenu, true, [364, 181, 490, 201]) > 0,
        `"${Points.word}" typed into the edit lands as on the desktop (${EditDiffers} pixels of the edit differ, ${TypedDiffers} of the display)`);

  // The fire lights the bottom rows.
  await Click(FireButton);
  await Park();
  await WaitFrames(90);
  const Fire1 = await Grab();
  await WaitFrames(5);
  const Fire2 = await Grab();
  const Burning = Lit(Fire2, [0, 580, 800, 600]), Flicker = Differing(Fire1, Fire2, false, [0, 500, 800, 600]);
  Check(Burning > 5000 && Flicker > 1000, `the fire lights the bottom rows (${Burning} pixels lit, ${Flicker} changing)`);
  await Speed('fire');
  await Esc();
  await BackOnMenu('fire');

  // The tornado's pixels appear and move with its rings. Its first rings
  // start a thousand pixels above the base and come down one a frame: with
  // the base near the bottom they reach the display after some 400 frames.
  await Click(TornadoButton);
  await Page.mouse.move(...At([600, 590]));
  const RightOfWindow = [450, 0, 800, 580];
  await Page.waitForFunction(() => {
    const Data = Module.canvas.getContext('2d').getImageData(450, 0, 350, 580).data;
    let Count = 0;
    for (let I = 0; I < Data.length; I += 4) if (Data[I] || Data[I + 1] || Data[I + 2]) ++Count;
    return Count > 300;
  }, { timeout: 120000, polling: 250 });
  const Whirl1 = await Grab();
  await WaitFrames(5);
  const Whirl2 = await Grab();
  const Funnel = Lit(Whirl2, RightOfWindow), Turning = Differing(Whirl1, Whirl2, false, RightOfWindow);
  Check(Funnel > 300 && Turning > 100, `the tornado's pixels appear (${Funnel} lit right of the window, ${Turning} moving)`);
  await Speed('tornado');
  await Esc();
  await BackOnMenu('tornado');

  // A drag on the particle screen throws a particle that moves.
  // The world stands still while its control window has the focus, and a
  // release outside the focused window only takes the focus away: a click
  // out there first, then the drag throws the particle.
  await Click(ParticlesButton);
  await Click(ParticleBox);
  await Click([700, 100]);
  await Park();
  await WaitFrames(10);
  const Still1 = await Grab();
  await WaitFrames(5);
  const Still2 = await Grab();
  const World = [570, 0, 800, 600];
  const Before = Differing(Still1, Still2, false, World);
  await Page.mouse.move(...At([700, 150]));
  await Page.mouse.down();
  await WaitFrames(2);
  await Page.mouse.move(...At([660, 140]), { steps: 4 });
  await WaitFrames(2);
  await Page.mouse.up();
  await Park();
  await WaitFrames(3);
  const Thrown1 = await Grab();
  await WaitFrames(3);
  const Thrown2 = await Grab();
  const Moving = Differing(Thrown1, Thrown2, false, World);
  Check(Before === 0 && Moving > 0, `a dragged particle is thrown and moves (${Before} pixels changed before, ${Moving} after)`);

  // Ctrl+S while paused: a download and the scene in the address; the
  // address opened in a new page starts on the particle screen, paused, with
  // the same world. Both are compared once the notices are gone.
  const Control = async Key => {
    await Page.keyboard.down('Control');
    await Page.keyboard.down(Key);
    await WaitFrames(2);
    await Page.keyboard.up(Key);
    await Page.keyboard.up('Control');
  };
  await Page.keyboard.down('F8');
  await WaitFrames(2);
  await Page.keyboard.up('F8');
  await WaitFrames(2);
  await Control('s');
  await Page.waitForFunction(() => location.hash.startsWith('#scene='), { timeout: 30000 });
  const Address = await Page.evaluate(() => location.href);
  await WaitFrames(130);
  const Saved = await Grab();
  const Opened = await Browser.newPage();
  Opened.on('console', M => { if (M.type() === 'error') ConsoleErrors.push(M.text()); });
  Opened.on('pageerror', E => ConsoleErrors.push(String(E)));
  await Opened.setViewport({ width: 1000, height: 760 });
  await Opened.goto(Address, { waitUntil: 'load' });
  // The pointer is parked once the page listens, then the notices run out.
  await Opened.waitForFunction(() => window.Module && Module.stats && Module.stats.frames >= 5, { timeout: 60000, polling: 50 });
  await Opened.mouse.move(...At([Points.park[0] - 5, Points.park[1]]));
  await Opened.mouse.move(...At(Points.park));
  const Parked = await Opened.evaluate(() => Module.stats.frames);
  await Opened.waitForFunction(F => Module.stats.frames >= F + 140, { timeout: 60000, polling: 50 }, Parked);
  const Shared = Buffer.from(await Opened.evaluate(() => {
    const Data = Module.canvas.getContext('2d').getImageData(0, 0, 800, 600).data;
    let Text = '';
    for (let I = 0; I < Data.length; I += 0x8000) Text += String.fromCharCode.apply(null, Data.subarray(I, I + 0x8000));
    return btoa(Text);
  }), 'base64');
  const SharedDiffers = Differing(Shared, Saved, false);
  Check(Address.length > 40 && SharedDiffers === 0 && Lit(Shared, World) > 0,
        `the address Ctrl+S writes (${Address.length} characters) opens the same paused world in a new page (${SharedDiffers} pixels differ)`);
  // Ctrl+O opens the file picker; the file chosen opens in the world.
  const OpenedLines = [];
  Opened.on('console', M => OpenedLines.push(M.text()));
  const [Chooser] = await Promise.all([
    Opened.waitForFileChooser({ timeout: 30000 }),
    (async () => {
      await Opened.keyboard.down('Control');
      await Opened.keyboard.down('o');
      await Opened.keyboard.up('o');
      await Opened.keyboard.up('Control');
    })(),
  ]);
  await Chooser.accept([path.resolve('tests/fuzz/scene_corpus/small.kalmot-scene')]);
  await Opened.waitForFunction(F => Module.stats.frames >= F + 10, { timeout: 60000, polling: 50 },
                               await Opened.evaluate(() => Module.stats.frames));
  Check(OpenedLines.some(L => L.includes('Scene opened: small.kalmot-scene')),
        'Ctrl+O opens the file picker and the file chosen opens');
  // A scene file dropped on the page opens too.
  await Opened.evaluate(Text => {
    const Dropped = new DataTransfer();
    Dropped.items.add(new File([Text], 'dropped.kalmot-scene'));
    Module.canvas.dispatchEvent(new DragEvent('drop', { dataTransfer: Dropped, bubbles: true, cancelable: true }));
  }, fs.readFileSync('tests/fuzz/scene_corpus/small.kalmot-scene', 'utf8'));
  await Opened.waitForFunction(F => Module.stats.frames >= F + 10, { timeout: 60000, polling: 50 },
                               await Opened.evaluate(() => Module.stats.frames));
  Check(OpenedLines.some(L => L.includes('Scene opened: dropped.kalmot-scene')), 'a scene file dropped on the page opens');
  await Opened.close();
  await Page.keyboard.down('F8');
  await WaitFrames(2);
  await Page.keyboard.up('F8');
  await Speed('particles');
  await Esc();
  await BackOnMenu('particle');

  // Esc on the menu ends the program; the page says how to start again.
  await Page.keyboard.down('Escape');
  await new Promise(R => setTimeout(R, 100));
  await Page.keyboard.up('Escape');
  await Page.waitForFunction(() => !document.getElementById('message').hidden, { timeout: 30000 });
  const Said = await Page.evaluate(() => document.getElementById('message').textContent);
  Check(/odśwież stronę/.test(Said), `the page says how to start again ("${Said.split('.')[0]}.")`);
  Check(ConsoleErrors.length === 0, `no error reached the console${ConsoleErrors.length ? ': ' + ConsoleErrors.join(' | ') : ''}`);
} catch (Failure) {
  Failures.push(String(Failure.stack || Failure));
  console.log(`FAIL ${Failure.stack || Failure}`);
  if (ConsoleErrors.length) console.log(`console errors: ${ConsoleErrors.join(' | ')}`);
} finally {
  await Browser.close();
  Server.close();
  fs.rmSync(Profile, { recursive: true, force: true });
}
if (Failures.length) {
  console.log(`${Failures.length} check(s) failed`);
  process.exit(1);
}
console.log('ok: the browser build matches the desktop and runs every screen');
