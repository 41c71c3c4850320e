// The page's motion view follows the frames: the marker across the plots and
// the readout beside them show the frame last shown. The page carries, for
// each frame, where the marker stands and what the readout says, made at
// build time from the pose code; this only picks an entry, at most once per
// display frame, and only when the frame has changed.
//
// The view stays when the program ends: a redraw already asked for still
// comes, as it needs nothing of the program.
mergeInto(LibraryManager.library, {
  $VornMotionView: {
    frames: null,  // the page's #motion-frames, read on first use
    marker: null,
    readout: null,
    latest: 0,  // the frame index last handed over
    drawn: 0,  // the frame the view shows; the page starts at frame 0
    redrawAsked: false,
  },

  $vornMotionViewRedraw__deps: ['$VornMotionView'],
  $vornMotionViewRedraw: function () {
    const view = VornMotionView;
    view.redrawAsked = false;
    if (view.latest === view.drawn) {
      return;
    }
    const frame = view.frames[view.latest];
    view.marker.setAttribute('transform', 'translate(' + frame.markerX + ' 0)');
    view.readout.textContent = frame.readout;
    view.drawn = view.latest;
  },

  vorn_page_show_frame_index__deps: ['$VornMotionView', '$vornMotionViewRedraw'],
  vorn_page_show_frame_index: function (frameIndex) {
    const view = VornMotionView;
    view.latest = frameIndex;
    if (view.redrawAsked || frameIndex === view.drawn) {
      return;
    }
    if (view.frames === null) {
      view.frames = JSON.parse(document.getElementById('motion-frames').textContent);
      view.marker = document.getElementById('marker');
      view.readout = document.getElementById('readout');
    }
    view.redrawAsked = true;
    requestAnimationFrame(vornMotionViewRedraw);
  },
});
