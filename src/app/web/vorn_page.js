// The page's side of VORN's web layer: the holders' canvases, drawing the
// shown one, the window's size, the input listeners (the on-screen keys
// among them) and the ending. It only translates between
// the browser and the program; the program decides everything.
//
// emscripten's optimiser parses this file with an older JavaScript grammar,
// so it keeps to plain functions and loops.

// The names among `helpers` ($stringToUTF8, ...) that this emscripten keeps
// in its library. From 3.1.35 on its string helpers are library functions,
// left out of the build unless a function names them as dependencies (all
// but UTF8ToString, which 3.1.69 adds by itself wherever a function calls
// it); a script that uses one without would throw once it runs. Before, the
// runtime always held them and the library has no such names.
function vornRuntimeHelpers(helpers) {
  return helpers.filter((name) => name in LibraryManager.library);
}

mergeInto(LibraryManager.library, {
  $VornPage: {
    holders: [],
    context: null,
    picture1: null,
    listeners: [],
    density: null,
  },

  vorn_page_make_holder__deps: ['$VornPage'],
  vorn_page_make_holder: function (holderNumber, rgba, width, height) {
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    VornPage.holders[holderNumber] = canvas;
  },

  vorn_page_show_holder__deps: ['$VornPage'],
  vorn_page_show_holder: function (holderNumber) {
    if (VornPage.context === null) {
      VornPage.context = document.getElementById('frame').getContext('2d', { alpha: false });
    }
    VornPage.context.drawImage(VornPage.holders[holderNumber], 0, 0);
  },

  vorn_page_listen__deps: ['$VornPage'].concat(vornRuntimeHelpers(['$stringToUTF8'])),
  vorn_page_listen: function (keyBuffer, keyBufferSize) {
    const picture1 = document.getElementById('Picture1');
    VornPage.picture1 = picture1;
    const listen = (target, type, listener, options) => {
      target.addEventListener(type, listener, options);
      VornPage.listeners.push({ target: target, type: type, listener: listener, options: options });
    };
    // The event's `button` numbers, and each one's bit in its `buttons`.
    const MIDDLE_BUTTON = 1;
    const BACK_BUTTON = 3;
    const FORWARD_BUTTON = 4;
    const BUTTON_BITS = [1, 4, 2, 8, 16];

    // The fewest whole CSS pixels that are whole device pixels too: the
    // layout places boxes at 1/64 of a CSS pixel, so at a ratio of 1.5 a
    // place rounded to 2/3 of one would fall between device pixels.
    const wholeDevicePixelsStep = (ratio) => {
      for (let cssPixels = 1; cssPixels <= 8; cssPixels++) {
        const devicePixels = cssPixels * ratio;
        if (Math.abs(devicePixels - Math.round(devicePixels)) < 1e-6) return cssPixels;
      }
      return 1;
    };
    // The window's size: as many device pixels per frame pixel as the
    // program's scale rule gives for this density and viewport, at once and
    // whenever either changes (a rotation, a resized window, a zoom, another
    // screen).
    let density = null;
    const layOut = () => {
      const ratio = window.devicePixelRatio;
      const viewportWidth = Math.floor(document.documentElement.clientWidth * ratio);
      const scale = _vorn_web_window_laid_out(ratio, viewportWidth);
      document.documentElement.style.setProperty('--window-zoom', String(scale / ratio));
      document.documentElement.style.setProperty('--window-step', String(wholeDevicePixelsStep(ratio)) + 'px');
      // A query for the density just taken, which changes when it does.
      if (density !== null) density.removeEventListener('change', layOut);
      density = window.matchMedia('(resolution: ' + ratio + 'dppx)');
      density.addEventListener('change', layOut);
      VornPage.density = { query: density, listener: layOut };
    };
    layOut();
    listen(window, 'resize', layOut);

    // The keyboard's keys and the on-screen ones take the same path.
    const typeKey = (key, shift, control, alt, meta) => {
      stringToUTF8(key, keyBuffer, keyBufferSize);
      return _vorn_web_key_pressed(shift, control, alt, meta);
    };
    listen(picture1, 'keydown', (event) => {
      if (typeKey(event.key, event.shiftKey, event.ctrlKey, event.altKey, event.metaKey)) {
        event.preventDefault();
      }
    });
    const keyButtons = document.querySelectorAll('#keys button');
    for (let i = 0; i < keyButtons.length; i++) {
      const button = keyButtons[i];
      // Cancelling the press keeps the keyboard focus on the picture.
      listen(button, 'mousedown', (event) => event.preventDefault());
      listen(button, 'click', () => typeKey(button.dataset.key, false, false, false, false));
    }

    // Positions in CSS pixels from Picture1's outer top-left corner.
    const left = (event) => event.clientX - picture1.getBoundingClientRect().left;
    const top = (event) => event.clientY - picture1.getBoundingClientRect().top;
    // Every press and release comes from the pointer events alone, for a
    // mouse, a pen and a finger alike: a tap sends its compatibility mouse
    // events only after its pointerup, so a press taken from them would
    // follow its own release. Of several fingers, the first one counts.
    // As on the desktop, a drag that leaves the picture area goes on
    // reporting the pointer, and its release, to it.
    listen(picture1, 'pointerdown', (event) => {
      if (!event.isPrimary) return;
      picture1.setPointerCapture(event.pointerId);
      _vorn_web_button_pressed(event.button, event.timeStamp, event.pointerType !== 'mouse', left(event),
                               top(event));
    });
    listen(picture1, 'pointermove', (event) => {
      if (!event.isPrimary) return;
      _vorn_web_pointer_moved(left(event), top(event));
      // A chord's further buttons come as moves whose `button` names the one
      // that changed; its bit in `buttons` says which way.
      if (event.button >= 0) {
        if (event.buttons & BUTTON_BITS[event.button]) {
          _vorn_web_button_pressed(event.button, event.timeStamp, event.pointerType !== 'mouse', left(event),
                                   top(event));
        } else {
          _vorn_web_button_released(event.button, left(event), top(event));
        }
      }
    });
    listen(picture1, 'pointerup', (event) => {
      if (event.isPrimary) _vorn_web_button_released(event.button, left(event), top(event));
    });
    // Over the picture the other buttons and the wheel are the program's,
    // which ignores them as the desktop window does, so the browser's own
    // actions for them are cancelled there; Ctrl with the wheel stays the
    // browser's zoom, as Ctrl's keys stay its shortcuts.
    listen(picture1, 'mousedown', (event) => {
      // The middle button's press starts the browser's autoscroll.
      if (event.button === MIDDLE_BUTTON) event.preventDefault();
    });
    listen(picture1, 'mouseup', (event) => {
      // The back and forward buttons' release goes back or forward in the
      // history, which would end the program.
      if (event.button === BACK_BUTTON || event.button === FORWARD_BUTTON) event.preventDefault();
    });
    listen(picture1, 'contextmenu', (event) => event.preventDefault());
    listen(picture1, 'wheel', (event) => {
      if (!event.ctrlKey) event.preventDefault();
    }, { passive: false });
    // Taken away while a button is still held, or the focus gone (another
    // window or tab, or elsewhere on the page), or the finger's touch
    // cancelled by the browser: the press completes no click.
    listen(picture1, 'lostpointercapture', (event) => {
      if (event.buttons !== 0) _vorn_web_capture_lost();
    });
    listen(picture1, 'pointercancel', () => _vorn_web_capture_lost());
    listen(picture1, 'blur', () => _vorn_web_capture_lost());
    picture1.focus({ preventScroll: true });
  },

  vorn_page_show_pointer_mode__deps: ['$VornPage'],
  vorn_page_show_pointer_mode: function (steppingFrames) {
    VornPage.picture1.style.cursor = steppingFrames ? 'ns-resize' : 'default';
  },

  vorn_page_end__deps: ['$VornPage'],
  vorn_page_end: function (message) {
    VornPage.listeners.forEach(function (entry) {
      entry.target.removeEventListener(entry.type, entry.listener, entry.options);
    });
    VornPage.density.query.removeEventListener('change', VornPage.density.listener);
    document.getElementById('window-box').remove();
    document.getElementById('keys').remove();
    const ending = document.getElementById('ending');
    ending.textContent = UTF8ToString(message);
    ending.hidden = false;
    // A page cannot start its program anew in place: the runtime has exited.
    // A reload starts it as a first visit does.
    const startAgain = document.getElementById('start-again');
    startAgain.addEventListener('click', function () { location.reload(); });
    startAgain.hidden = false;
    startAgain.focus({ preventScroll: true });
  },
});
