// The knob under the pointer. A click, a tap or Enter presses it. The mouse
// wheel turns it one step per notch, "+" away from the user. A drag turns it
// one step per notch of travel: up ("+") or down from its middle, or around
// it from its rim, clockwise being "+"; a drag that turned it presses
// nothing. Turns go out as notches: +1 or -1.
const knobUnits = 41;        // the knob's click area, in form units
const dragNotchUnits = 12;   // travel of one step up or down
const aroundNotch = Math.PI / 6;
const rimFrom = 0.6;         // a drag from beyond this share of the radius goes around
const wheelNotch = { pixels: 100, lines: 3, pages: 1 };

// Wheel notches in the event: its own count where the browser gives one
// (120 a notch), else its distance over one notch's.
function wheelNotches(event) {
  if (event.wheelDeltaY)
    return event.wheelDeltaY / 120;
  const perNotch = [wheelNotch.pixels, wheelNotch.lines, wheelNotch.pages][event.deltaMode] ?? 1;
  return -event.deltaY / perNotch;
}

// Whole notches out of a running sum; returns the rest.
function spendNotches(rest, turn) {
  for (; rest >= 1; rest -= 1)
    turn(+1);
  for (; rest <= -1; rest += 1)
    turn(-1);
  return rest;
}

function angleFrom(centre, x, y) { return Math.atan2(y - centre.y, x - centre.x); }

// Travel since the last move, in notches.
function dragNotches(drag, event) {
  if (drag.around) {
    let turned = angleFrom(drag.centre, event.clientX, event.clientY) - drag.angle;
    turned -= 2 * Math.PI * Math.round(turned / (2 * Math.PI));
    drag.angle += turned;
    return turned / aroundNotch;
  }
  const travel = drag.y - event.clientY;
  drag.y = event.clientY;
  return travel / drag.notch;
}

function startDrag(knob, event) {
  const box = knob.getBoundingClientRect();
  const centre = { x: box.left + box.width / 2, y: box.top + box.height / 2 };
  const fromCentre = Math.hypot(event.clientX - centre.x, event.clientY - centre.y);
  return {
    id: event.pointerId, centre, y: event.clientY, rest: 0,
    around: fromCentre > rimFrom * box.width / 2,
    angle: angleFrom(centre, event.clientX, event.clientY),
    notch: dragNotchUnits * box.width / knobUnits,
  };
}

export function knobTurns(knob, turn, press) {
  let wheelRest = 0;
  knob.addEventListener('wheel', (event) => {
    event.preventDefault();
    wheelRest = spendNotches(wheelRest + wheelNotches(event), turn);
  }, { passive: false });

  let drag = null;
  let turned = false;
  knob.addEventListener('pointerdown', (event) => {
    if (!event.isPrimary || event.button !== 0)
      return;
    turned = false;
    drag = startDrag(knob, event);
    knob.setPointerCapture(event.pointerId);
  });
  knob.addEventListener('pointermove', (event) => {
    if (!drag || event.pointerId !== drag.id)
      return;
    drag.rest = spendNotches(drag.rest + dragNotches(drag, event), (notch) => {
      turned = true;
      turn(notch);
    });
  });
  const end = (event) => { if (drag && event.pointerId === drag.id) drag = null; };
  knob.addEventListener('pointerup', end);
  knob.addEventListener('pointercancel', end);
  // Enter and Space make clicks of detail 0: presses, whatever a drag did.
  knob.addEventListener('click', (event) => {
    if (!turned || event.detail === 0)
      press();
    turned = false;
  });
}
