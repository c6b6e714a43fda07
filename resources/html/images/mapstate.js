// The state both map pages keep and the setters the GPS tool calls. Values
// that are not finite numbers are ignored.
var Latit = 39.915, Longit = 116.404;
var Latit2 = 39.920, Longit2 = 116.410;
var Latit3 = 39.930, Longit3 = 116.420;
var endaddress = "";

function finite(value, previous) {
  return typeof value === "number" && isFinite(value) ? value : previous;
}
function Set_Latit(v) { Latit = finite(v, Latit); }
function Set_Longit(v) { Longit = finite(v, Longit); }
function Set_Latit2(v) { Latit2 = finite(v, Latit2); }
function Set_Longit2(v) { Longit2 = finite(v, Longit2); }
function Set_Latit3(v) { Latit3 = finite(v, Latit3); }
function Set_Longit3(v) { Longit3 = finite(v, Longit3); }
function Set_endaddress(v) { endaddress = String(v); }
// The [latitude, longitude] pairs of finite numbers among the points given.
function trackPoints(points) {
  return Array.isArray(points) ? points.filter(function (p) {
    return Array.isArray(p) && finite(p[0], null) !== null && finite(p[1], null) !== null;
  }) : [];
}
