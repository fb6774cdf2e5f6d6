'use strict';
// The page's share of Kalmot for phones, touch and anyone without the keys:
// the size of the picture, a row of buttons that send the command keys, and
// the key line, which speaks of taps on a touch device and folds to one line
// on a narrow screen. shell.html calls Build once, then Layout whenever the
// room changes.
window.KalmotPage = (function () {
  const Width = 800, Height = 600;
  // A picture of sharp pixels (a whole number of device pixels each) is
  // taken only where it fills at least this share of the largest size.
  const SharpShare = 0.85;

  // The buttons: each sends one key's press and release exactly as the
  // keyboard does (its code and key as the browser names them), with Ctrl
  // held around it where Ctrl says so.
  const Commands = [
    { Label: 'Powrót', Name: 'Esc', Code: 'Escape', Key: 'Escape', Says: 'wraca do menu (w menu: koniec)' },
    { Label: 'Pomoc', Name: 'F1', Code: 'F1', Key: 'F1', Says: 'pokazuje lub chowa pomoc' },
    { Label: 'Pauza', Name: 'F8', Code: 'F8', Key: 'F8', Says: 'wstrzymuje lub wznawia symulację' },
    { Label: 'Krok', Name: 'F6', Code: 'F6', Key: 'F6', Says: 'w pauzie: jeden krok symulacji' },
    { Label: 'Statystyki', Name: 'F3', Code: 'F3', Key: 'F3', Says: 'pokazuje lub chowa statystyki' },
    { Label: 'Zrzut', Name: 'F9', Code: 'F9', Key: 'F9', Says: 'zrzut ekranu (PNG do pobrania)' },
    { Label: 'Pełny ekran', Name: 'F11', Code: 'F11', Key: 'F11', Says: 'pełny ekran i z powrotem' },
    { Label: 'Wolniej', Name: 'Num −', Code: 'NumpadSubtract', Key: '-', Says: 'symulacja wolniej' },
    { Label: 'Szybciej', Name: 'Num +', Code: 'NumpadAdd', Key: '+', Says: 'symulacja szybciej' },
    { Label: 'Zapisz', Name: 'Ctrl+S', Code: 'KeyS', Key: 's', Ctrl: true, Says: 'zapisuje scenę' },
    { Label: 'Otwórz', Name: 'Ctrl+O', Code: 'KeyO', Key: 'o', Ctrl: true, Says: 'otwiera scenę' },
  ];

  const TouchKeys = 'Stuknięcie: przyciski, pola i pola wyboru · przeciągnięcie: okno za pasek tytułu, ' +
    'strzałki pól liczbowych, w symulacji cząsteczek rzut lub ściana · przyciski pod obrazem: klawisze poleceń';

  // CSS pixels the picture takes in a room of RoomW x RoomH CSS pixels at
  // Ratio device pixels per CSS pixel: the largest size that fits, or the
  // largest whole number of device pixels per picture pixel where that
  // fills at least SharpShare of it.
  function Fit(RoomW, RoomH, Ratio) {
    const Largest = Math.max(0, Math.min(RoomW / Width, RoomH / Height));
    const Whole = Math.floor(Largest * Ratio);
    const Sharp = Whole >= 1 && Whole / Ratio >= SharpShare * Largest;
    const Scale = Sharp ? Whole / Ratio : Largest;
    return { Width: Width * Scale, Height: Height * Scale, Sharp };
  }

  function IsTouch() {
    return navigator.maxTouchPoints > 0 || window.matchMedia('(pointer: coarse)').matches;
  }

  // The room the picture has: the window less the panel of buttons and
  // keys, beside the picture or under it as the stage lays them out.
  function Room(Stage) {
    const Panel = document.getElementById('panel');
    const Shown = Panel && Panel.offsetParent !== null;
    if (Shown && getComputedStyle(Stage).flexDirection === 'row')
      return [window.innerWidth - Panel.offsetWidth - 4, window.innerHeight];
    return [window.innerWidth, window.innerHeight - (Shown ? Panel.offsetHeight + 6 : 0)];
  }

  function Layout(Stage, Canvas) {
    const Size = Fit(...Room(Stage), window.devicePixelRatio || 1);
    Canvas.style.width = Size.Width + 'px';
    Canvas.style.height = Size.Height + 'px';
    Canvas.style.imageRendering = Size.Sharp ? 'pixelated' : 'auto';
  }

  // Puts the panel under the picture: the buttons, then the key line.
  // Send(Down, Code, Key) hands one key event to the program. Relayout is
  // called when the panel changes its size.
  function Build(Stage, Send, Relayout) {
    const Keys = document.getElementById('keys');
    const Panel = document.createElement('div');
    Panel.id = 'panel';
    const Row = document.createElement('div');
    Row.id = 'commands';
    Row.setAttribute('role', 'toolbar');
    for (const C of Commands) {
      const Button = document.createElement('button');
      Button.type = 'button';
      Button.tabIndex = -1;
      Button.title = `${C.Name}: ${C.Says}`;
      Button.dataset.key = C.Name;
      Button.append(C.Label);
      const Key = document.createElement('kbd');
      Key.textContent = C.Name;
      Button.append(Key);
      // No press of the button reaches the picture, and the keyboard's focus stays where it was.
      Button.addEventListener('pointerdown', E => E.preventDefault());
      Button.addEventListener('click', () => {
        if (C.Ctrl) Send(1, 'ControlLeft', 'Control');
        Send(1, C.Code, C.Key);
        Send(0, C.Code, C.Key);
        if (C.Ctrl) Send(0, 'ControlLeft', 'Control');
      });
      Row.append(Button);
    }
    Panel.append(Row);
    if (Keys) {
      if (IsTouch()) Keys.textContent = TouchKeys;
      Keys.title = 'Stuknij, aby rozwinąć lub zwinąć';
      Keys.addEventListener('click', () => {
        Keys.classList.toggle('open');
        Relayout();
      });
      Panel.append(Keys);
    }
    Stage.append(Panel);
    if (IsTouch()) document.body.classList.add('touch');
  }

  return { Fit, Layout, Build };
})();
