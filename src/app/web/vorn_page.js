// The page's side of VORN's web layer: the holders' canvases, drawing the
// shown one, the input listeners and the ending. It only translates between
// the browser and the program; the program decides everything.
//
// emscripten's optimiser parses this file with an older JavaScript grammar,
// so it keeps to plain functions and loops.
mergeInto(LibraryManager.library, {
  $VornPage: {
    holders: [],
    context: null,
    picture1: null,
    listeners: [],
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

  vorn_page_listen__deps: ['$VornPage'],
  vorn_page_listen: function (keyBuffer, keyBufferSize) {
    const picture1 = document.getElementById('Picture1');
    VornPage.picture1 = picture1;
    const listen = (type, listener, options) => {
      picture1.addEventListener(type, listener, options);
      VornPage.listeners.push({ type: type, listener: listener, options: options });
    };
    // The event's `button` numbers.
    const MIDDLE_BUTTON = 1;
    const BACK_BUTTON = 3;
    const FORWARD_BUTTON = 4;
    listen('keydown', (event) => {
      stringToUTF8(event.key, keyBuffer, keyBufferSize);
      if (_vorn_web_key_pressed(event.shiftKey, event.ctrlKey, event.altKey, event.metaKey)) {
        event.preventDefault();
      }
    });
    // Positions in CSS pixels from Picture1's outer top-left corner.
    const left = (event) => event.clientX - picture1.getBoundingClientRect().left;
    const top = (event) => event.clientY - picture1.getBoundingClientRect().top;
    listen('pointermove', (event) => {
      _vorn_web_pointer_moved(left(event), top(event));
    });
    // As on the desktop, a drag that leaves the picture area goes on
    // reporting the pointer, and its release, to it.
    listen('pointerdown', (event) => picture1.setPointerCapture(event.pointerId));
    // Every button's press and release, from the mouse events: the pointer
    // events report a chord's further buttons as moves, so a left release
    // while the right button is still held would never be reported. The
    // capture retargets these too. The press's click count tells a
    // double-click's second press.
    //
    // Over the picture the other buttons and the wheel are the program's,
    // which ignores them as the desktop window does, so the browser's own
    // actions for them are cancelled there; Ctrl with the wheel stays the
    // browser's zoom, as Ctrl's keys stay its shortcuts.
    listen('mousedown', (event) => {
      // The middle button's press starts the browser's autoscroll.
      if (event.button === MIDDLE_BUTTON) event.preventDefault();
      _vorn_web_button_pressed(event.button, event.detail, left(event), top(event));
    });
    listen('mouseup', (event) => {
      // The back and forward buttons' release goes back or forward in the
      // history, which would end the program; a chord reports that release
      // as a pointer move, so mouseup is the event that always comes.
      if (event.button === BACK_BUTTON || event.button === FORWARD_BUTTON) event.preventDefault();
      _vorn_web_button_released(event.button, left(event), top(event));
    });
    listen('contextmenu', (event) => event.preventDefault());
    listen('wheel', (event) => {
      if (!event.ctrlKey) event.preventDefault();
    }, { passive: false });
    // Taken away while a button is still held, or the focus gone (another
    // window or tab, or elsewhere on the page): the press completes no click.
    listen('lostpointercapture', (event) => {
      if (event.buttons !== 0) _vorn_web_capture_lost();
    });
    listen('blur', () => _vorn_web_capture_lost());
    picture1.focus({ preventScroll: true });
  },

  vorn_page_show_pointer_mode__deps: ['$VornPage'],
  vorn_page_show_pointer_mode: function (steppingFrames) {
    VornPage.picture1.style.cursor = steppingFrames ? 'ns-resize' : 'default';
  },

  vorn_page_end__deps: ['$VornPage'],
  vorn_page_end: function (message) {
    VornPage.listeners.forEach(function (entry) {
      VornPage.picture1.removeEventListener(entry.type, entry.listener, entry.options);
    });
    document.getElementById('VORN').remove();
    const ending = document.getElementById('ending');
    ending.textContent = UTF8ToString(message);
    ending.hidden = false;
  },
});
