// The page around the viewer: its standard output and error in the console
// panel, the canvas focused for keys, and WAD files chosen or dropped by the
// user put where the viewer reads them.
(function () {
  var panel = document.getElementById('console');
  var canvas = Module.canvas;

  function show(line) {
    panel.textContent += line + '\n';
    panel.scrollTop = panel.scrollHeight;
  }
  Module.print = show;
  Module.printErr = show;

  canvas.addEventListener('mousedown', function () { canvas.focus(); });
  window.addEventListener('load', function () { canvas.focus(); });

  function press(code) {
    canvas.dispatchEvent(new KeyboardEvent('keydown', { code: code, key: code, bubbles: true }));
  }

  // The viewer reads DOOM1.WAD at every map load, and a map key reloads
  // its map even at either end of the list. So a step away and back shows
  // the current map from the new file: back then forward, except on E1M1,
  // where forward then back.
  function reloadMap() {
    var steps = Module._VellumtarnMapIndex() > 0 ? ['NumpadSubtract', 'NumpadAdd']
                                                  : ['NumpadAdd', 'NumpadSubtract'];
    steps.forEach(press);
  }

  function take(file) {
    file.arrayBuffer().then(function (buffer) {
      var bitmap = /\.bmp$/i.test(file.name);
      FS.writeFile(bitmap ? '/map.bmp' : '/DOOM1.WAD', new Uint8Array(buffer));
      show('Page: ' + file.name + ' is now ' + (bitmap ? 'map.bmp' : 'DOOM1.WAD') + '.');
      if (bitmap) {
        show('Page: the viewer reads map.bmp only as it starts, and no picture shows it.');
      } else {
        reloadMap();
      }
      canvas.focus();
    });
  }

  document.getElementById('files').addEventListener('change', function (event) {
    Array.prototype.forEach.call(event.target.files, take);
    event.target.value = '';
  });
  document.addEventListener('dragover', function (event) {
    event.preventDefault();
    document.body.classList.add('dragging');
  });
  document.addEventListener('dragleave', function () {
    document.body.classList.remove('dragging');
  });
  document.addEventListener('drop', function (event) {
    event.preventDefault();
    document.body.classList.remove('dragging');
    Array.prototype.forEach.call(event.dataTransfer.files, take);
  });
})();
