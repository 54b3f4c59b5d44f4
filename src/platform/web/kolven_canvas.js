// The browser's side of the window system: the page's canvas and two
// offscreen ones (the window's stored drawing and its screen-only overlay),
// the queue of pointer events, the page's parameters and its output.
// Coordinates are the window's pixels; each canvas holds devicePixelRatio
// device pixels per window pixel.

mergeInto(LibraryManager.library, {
  $KV: {
    canvases: [],
    contexts: [],
    width: 0,
    height: 0,
    ratio: 1,
    queue: [],
    wake: null,
    pictures: null,
    saved: null,

    context: function(n) { return KV.contexts[n]; },
    rgb: function(c) { return '#' + (c | 0x1000000).toString(16).slice(1); },
    str: function(p) { return UTF8ToString(p); },
    font: function(family, px, bold) {
      return (bold ? 'bold ' : '') + px + 'px "' + family + '"';
    },
    push: function(type, x, y) {
      KV.queue.push([type, x, y]);
      if (KV.wake) {
        var wake = KV.wake;
        KV.wake = null;
        wake();
      }
    },
    // The window's pixel under a point of the page.
    toWindow: function(event) {
      var r = KV.canvases[0].getBoundingClientRect();
      return [Math.floor((event.clientX - r.left) * KV.width / r.width),
              Math.floor((event.clientY - r.top) * KV.height / r.height)];
    },
    // The window keeps the size it was laid out for; the page shows it whole
    // and centred in whatever the browser's window becomes.
    fit: function() {
      var c = KV.canvases[0];
      var scale = Math.min(window.innerWidth / KV.width, window.innerHeight / KV.height);
      c.style.width = (KV.width * scale) + 'px';
      c.style.height = (KV.height * scale) + 'px';
      c.style.left = ((window.innerWidth - KV.width * scale) / 2) + 'px';
      c.style.top = ((window.innerHeight - KV.height * scale) / 2) + 'px';
    },
  },

  kolven_open__deps: ['$KV'],
  kolven_open: function(width, height, background) {
    KV.width = width;
    KV.height = height;
    KV.ratio = window.devicePixelRatio || 1;
    KV.pictures = new Map();
    var page = document.getElementById('kolven');
    for (var i = 0; i < 3; ++i) {
      var c = i == 0 ? page : document.createElement('canvas');
      c.width = Math.round(width * KV.ratio);
      c.height = Math.round(height * KV.ratio);
      var ctx = c.getContext('2d', i == 0 ? { alpha: false } : undefined);
      ctx.setTransform(KV.ratio, 0, 0, KV.ratio, 0, 0);
      ctx.textBaseline = 'alphabetic';
      if ('fontKerning' in ctx) ctx.fontKerning = 'none';
      KV.canvases[i] = c;
      KV.contexts[i] = ctx;
    }
    KV.contexts[1].fillStyle = KV.rgb(background);
    KV.contexts[1].fillRect(0, 0, width, height);
    KV.fit();
    window.addEventListener('resize', KV.fit);

    var drive = !!Module.kolvenDrive;
    var pressed = false;
    page.addEventListener('pointermove', function(e) {
      var p = KV.toWindow(e);
      KV.push(1, p[0], p[1]);
    });
    page.addEventListener('pointerdown', function(e) {
      if (e.button !== 0) return;
      // Full screen on the first touch or click of a person; a browser
      // grants it only in answer to one.
      if (!drive && !document.fullscreenElement && e.isTrusted && document.documentElement.requestFullscreen)
        document.documentElement.requestFullscreen().catch(function() {});
      var p = KV.toWindow(e);
      // A finger is over the point only once it touches it.
      if (e.pointerType === 'touch') KV.push(1, p[0], p[1]);
      pressed = true;
      KV.push(2, p[0], p[1]);
      e.preventDefault();
    });
    page.addEventListener('pointerup', function(e) {
      if (e.button !== 0 || !pressed) return;
      pressed = false;
      var p = KV.toWindow(e);
      KV.push(3, p[0], p[1]);
    });
    page.addEventListener('contextmenu', function(e) { e.preventDefault(); });
  },

  kolven_screen_width: function() { return Module.kolvenScreen ? Module.kolvenScreen[0] : window.innerWidth; },
  kolven_screen_height: function() { return Module.kolvenScreen ? Module.kolvenScreen[1] : window.innerHeight; },
  kolven_device_ratio: function() { return window.devicePixelRatio || 1; },

  kolven_decimal_separator: function() {
    var locale = Module.kolvenLocale || navigator.language || 'fr';
    try {
      var s = (1.5).toLocaleString(locale.replace('_', '-'));
      var c = s.charCodeAt(1);
      return c < 128 ? c : 46;
    } catch (e) {
      return 46;
    }
  },

  kolven_fill__deps: ['$KV'],
  kolven_fill: function(n, x, y, w, h, color) {
    var ctx = KV.contexts[n];
    ctx.fillStyle = KV.rgb(color);
    ctx.fillRect(x, y, w, h);
  },
  kolven_erase__deps: ['$KV'],
  kolven_erase: function(n, x, y, w, h) {
    KV.contexts[n].clearRect(x, y, w, h);
  },
  kolven_line__deps: ['$KV'],
  kolven_line: function(n, x1, y1, x2, y2, color, width) {
    var ctx = KV.contexts[n];
    ctx.strokeStyle = KV.rgb(color);
    ctx.lineWidth = width;
    ctx.lineCap = 'square';
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },
  kolven_text__deps: ['$KV'],
  kolven_text: function(n, x, y, text, color, family, px, bold) {
    var ctx = KV.contexts[n];
    ctx.font = KV.font(KV.str(family), px, bold);
    ctx.fillStyle = KV.rgb(color);
    ctx.textAlign = 'left';
    ctx.fillText(KV.str(text), x, y);
  },
  kolven_clip__deps: ['$KV'],
  kolven_clip: function(n, x, y, w, h) {
    var ctx = KV.contexts[n];
    ctx.save();
    ctx.beginPath();
    ctx.rect(x, y, w, h);
    ctx.clip();
  },
  kolven_save__deps: ['$KV'],
  kolven_save: function(n) { KV.contexts[n].save(); },
  kolven_restore__deps: ['$KV'],
  kolven_restore: function(n) { KV.contexts[n].restore(); },
  kolven_transform__deps: ['$KV'],
  kolven_transform: function(n, a, b, c, d, e, f) { KV.contexts[n].transform(a, b, c, d, e, f); },
  kolven_identity__deps: ['$KV'],
  kolven_identity: function(n) { KV.contexts[n].setTransform(KV.ratio, 0, 0, KV.ratio, 0, 0); },

  kolven_path_begin__deps: ['$KV'],
  kolven_path_begin: function(n) { KV.contexts[n].beginPath(); },
  kolven_path_point__deps: ['$KV'],
  kolven_path_point: function(n, x, y, first) {
    if (first) KV.contexts[n].moveTo(x, y); else KV.contexts[n].lineTo(x, y);
  },
  kolven_path_close__deps: ['$KV'],
  kolven_path_close: function(n) { KV.contexts[n].closePath(); },
  kolven_path_ellipse__deps: ['$KV'],
  kolven_path_ellipse: function(n, rx, ry) { KV.contexts[n].ellipse(0, 0, rx, ry, 0, 0, 2 * Math.PI); },
  kolven_path_fill__deps: ['$KV'],
  kolven_path_fill: function(n, color) {
    KV.contexts[n].fillStyle = KV.rgb(color);
    KV.contexts[n].fill();
  },
  kolven_path_fill_radial__deps: ['$KV'],
  kolven_path_fill_radial: function(n, centre, rim, radius) {
    var g = KV.contexts[n].createRadialGradient(0, 0, 0, 0, 0, radius);
    g.addColorStop(0, KV.rgb(centre));
    g.addColorStop(1, KV.rgb(rim));
    KV.contexts[n].fillStyle = g;
    KV.contexts[n].fill();
  },
  kolven_path_stroke__deps: ['$KV'],
  kolven_path_stroke: function(n, color, width) {
    var ctx = KV.contexts[n];
    ctx.strokeStyle = KV.rgb(color);
    ctx.lineWidth = width;
    ctx.lineCap = 'square';
    ctx.lineJoin = 'miter';
    ctx.stroke();
  },
  // A text drawn in the context's current units: its width once drawn at
  // `px`, for the pictures' texts that shrink to fit their box.
  kolven_text_width__deps: ['$KV'],
  kolven_text_width: function(n, text, family, px, bold) {
    var ctx = KV.contexts[n];
    ctx.font = KV.font(KV.str(family), px, bold);
    return ctx.measureText(KV.str(text)).width;
  },
  kolven_text_at__deps: ['$KV'],
  kolven_text_at: function(n, x, y, text, color, family, px, bold, baseline) {
    var ctx = KV.contexts[n];
    ctx.font = KV.font(KV.str(family), px, bold);
    ctx.fillStyle = KV.rgb(color);
    ctx.textAlign = 'left';
    ctx.textBaseline = ['top', 'middle', 'alphabetic'][baseline];
    ctx.fillText(KV.str(text), x, y);
    ctx.textBaseline = 'alphabetic';
  },

  // A picture is drawn once per size into a canvas of its own (context 3),
  // then copied; true when it must be drawn first.
  kolven_picture_begin__deps: ['$KV'],
  kolven_picture_begin: function(key, w, h) {
    var id = key + ':' + w + 'x' + h;
    var c = KV.pictures.get(id);
    KV.current = id;
    if (c) return 0;
    if (KV.pictures.size > 64) KV.pictures.clear();
    c = document.createElement('canvas');
    c.width = Math.max(1, Math.round(w * KV.ratio));
    c.height = Math.max(1, Math.round(h * KV.ratio));
    var ctx = c.getContext('2d');
    ctx.setTransform(KV.ratio, 0, 0, KV.ratio, 0, 0);
    if ('fontKerning' in ctx) ctx.fontKerning = 'none';
    KV.canvases[3] = c;
    KV.contexts[3] = ctx;
    KV.pictures.set(id, c);
    return 1;
  },
  kolven_picture_show__deps: ['$KV'],
  kolven_picture_show: function(x, y, w, h) {
    KV.contexts[0].drawImage(KV.pictures.get(KV.current), x, y, w, h);
  },

  // The stored drawing and the overlay onto the page's canvas.
  kolven_compose__deps: ['$KV'],
  kolven_compose: function(overlay) {
    var ctx = KV.contexts[0];
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.drawImage(KV.canvases[1], 0, 0);
    if (overlay) ctx.drawImage(KV.canvases[2], 0, 0);
    ctx.restore();
    if (!Module.kolvenFirstFrame) Module.kolvenFirstFrame = performance.now();
  },

  // The next pointer event, or 0: 1 move, 2 press, 3 release.
  kolven_take_event__deps: ['$KV'],
  kolven_take_event: function(xy) {
    var e = KV.queue.shift();
    if (!e) return 0;
    HEAP32[xy >> 2] = e[1];
    HEAP32[(xy >> 2) + 1] = e[2];
    return e[0];
  },
  // Sleeps until a pointer event comes.
  kolven_wait_event__deps: ['$KV'],
  kolven_wait_event: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      if (KV.queue.length) { setTimeout(wakeUp, 0); return; }
      KV.wake = wakeUp;
    });
  },
  // Lets the browser run what is pending (events, painting) and comes back
  // at once: a message is not held back as a zero timeout is.
  kolven_yield_browser__deps: ['$KV'],
  kolven_yield_browser: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      if (!KV.channel) {
        KV.channel = new MessageChannel();
        KV.channel.port1.onmessage = function() { var w = KV.resume; KV.resume = null; w(); };
      }
      KV.resume = wakeUp;
      KV.channel.port2.postMessage(0);
    });
  },
  // A pointer event of the drive, sent to the canvas as the browser sends
  // a person's: it takes the same road into the queue.
  kolven_send_pointer__deps: ['$KV'],
  kolven_send_pointer: function(type, x, y) {
    var c = KV.canvases[0];
    var r = c.getBoundingClientRect();
    var names = ['', 'pointermove', 'pointerdown', 'pointerup'];
    c.dispatchEvent(new PointerEvent(names[type], {
      clientX: r.left + (x + 0.5) * r.width / KV.width,
      clientY: r.top + (y + 0.5) * r.height / KV.height,
      button: type == 1 ? -1 : 0, buttons: type == 2 ? 1 : 0, pointerType: 'mouse', bubbles: true }));
  },

  kolven_set_tooltip: function(text) { document.getElementById('kolven').title = UTF8ToString(text); },
  kolven_set_cursor: function() { document.getElementById('kolven').style.cursor = 'default'; },

  // A parameter of the page's address (#drive=…&clock=…), or null.
  kolven_parameter__deps: ['malloc'],
  kolven_parameter: function(name) {
    var value = new URLSearchParams(location.hash.slice(1)).get(UTF8ToString(name));
    if (value === null) return 0;
    var size = lengthBytesUTF8(value) + 1;
    var p = _malloc(size);
    stringToUTF8(value, p, size);
    return p;
  },
  kolven_output: function(text) {
    var pre = document.getElementById('kolven-drive-output');
    pre.textContent += UTF8ToString(text) + '\n';
  },
  // The export file's bytes, kept for the download.
  kolven_export: function(data, size) {
    Module.kolvenExport = HEAPU8.slice(data, data + size);
    if (Module.onKolvenExport) Module.onKolvenExport();
  },
  kolven_ended: function() {
    if (Module.onKolvenEnded) Module.onKolvenEnded();
  },
});
