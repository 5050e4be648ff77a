// The front of the fuel computer as a studio photograph: black anodised
// bezel with four stainless mounting screws, a recessed glass screen, two
// round push buttons and a knurled rotary knob, on a crinkle-painted panel.
//
// Scene units are the simulator window's client pixels: x to the right,
// y downwards (written as -y in POV-Ray's y-up space), z away from the
// viewer; the bezel face is the plane z = 0. The camera maps the face plane
// exactly onto the picture, 241 x 249 units onto the square output, so the
// window's non-uniform stretch of the picture back into 241 x 249 pixels
// restores round buttons and puts every part under its window control.
//
// No include files: everything here is our own.

#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 8 }

// ---------------------------------------------------------------- geometry
#declare ImageW = 241;   // the picture control in client pixels
#declare ImageH = 249;
#declare CamX = ImageW / 2;
#declare CamY = ImageH / 2;
#declare CamD = 620;     // camera distance from the face: a long lens

// A point given in client pixels at depth z.
#macro P(X, Y, Z) <X, -Y, Z> #end

// The point at depth z that the camera sees where it sees (x, y) on the
// face plane: lets recessed and raised edges line up with window controls.
#macro Seen(X, Y, Z) P(CamX + (X - CamX) * (CamD + Z) / CamD, CamY + (Y - CamY) * (CamD + Z) / CamD, Z) #end

// Screen opening: exactly the display panel of the window.
#declare ScrL = 40;  #declare ScrT = 57;
#declare ScrR = 201; #declare ScrB = 178;
#declare Chamfer = 3.2;     // width of the machined bevel around the opening
#declare ChamferDepth = 1.6;

// Push buttons and knob: centres of their click areas.
#declare BtnY = 208.5;
#declare BtnLX = 68.5;
#declare BtnRX = 170.5;
#declare KnobX = 120.5;
#declare KnobY = 216.5;

// Bezel outline and mounting screws.
#declare BezL = 2.5;  #declare BezT = 2.5;
#declare BezR = 238.5; #declare BezB = 246.5;
#declare BezCorner = 9;
#declare BezDepth = 9;
#declare ScrewInset = 15.5;

// ----------------------------------------------------------------- camera
camera {
  perspective
  location P(CamX, CamY, -CamD)
  direction <0, 0, CamD>
  right <ImageW, 0, 0>
  up <0, ImageH, 0>
}

// ----------------------------------------------------------------- lights
// A large softbox above left, a weaker strip light at right, a low fill.
light_source {
  P(-150, -230, -330) color rgb <1.0, 0.97, 0.93> * 1.25
  area_light <140, 0, 0>, <0, 140, 0>, 9, 9 adaptive 1 jitter circular orient
  fade_distance 420 fade_power 2
}
light_source {
  P(560, 60, -380) color rgb <0.92, 0.95, 1.0> * 0.45
  area_light <0, 0, 120>, <0, 220, 0>, 5, 7 adaptive 1 jitter
}
light_source { P(CamX, CamY + 120, -900) color rgb 0.10 shadowless }

// What the shiny parts mirror: a dim studio with two bright softboxes.
sky_sphere {
  pigment {
    gradient y
    color_map { [0 color rgb 0.015] [0.5 color rgb 0.035] [1 color rgb 0.06] }
  }
}
box {
  P(-420, -520, -560), P(-140, -240, -555)
  pigment { color rgb 2.6 } finish { emission 1 diffuse 0 }
  no_image no_shadow
}
box {
  P(520, -80, -420), P(600, 320, -415)
  pigment { color rgb 1.0 } finish { emission 1 diffuse 0 }
  no_image no_shadow
}

// --------------------------------------------------------------- materials
#declare AnodisedBlack = texture {
  pigment { color rgb <0.030, 0.031, 0.034> }
  normal {
    average normal_map {
      [1 bumps 0.035 scale <24, 0.05, 0.05>]  // faint horizontal brushing
      [2 granite 0.06 scale 0.6]               // bead-blast grain
    }
  }
  finish {
    ambient 0 diffuse 0.75
    specular 0.22 roughness 0.035 metallic 0.4
    reflection { 0.01, 0.04 fresnel }
  }
}

#declare CrinklePanel = texture {
  pigment {
    granite color_map { [0 color rgb 0.030] [1 color rgb 0.045] }
    scale 3
  }
  normal { wrinkles 0.55 scale 1.4 }
  finish { ambient 0 diffuse 0.7 specular 0.05 roughness 0.1 }
}

#declare Stainless = texture {
  pigment { color rgb <0.52, 0.53, 0.55> }
  normal { bumps 0.02 scale <0.1, 6, 0.1> }
  finish {
    ambient 0 diffuse 0.35 specular 0.7 roughness 0.008 metallic 1
    reflection { 0.30, 0.45 metallic }
  }
}

#declare RecessShadow = texture {
  pigment { color rgb 0.012 }
  finish { ambient 0 diffuse 0.3 specular 0.1 roughness 0.05 }
}

#declare SatinCap = texture {
  pigment { color rgb <0.022, 0.022, 0.024> }
  normal { granite 0.12 scale 0.35 }
  finish { ambient 0 diffuse 0.7 specular 0.18 roughness 0.06 reflection { 0.005, 0.03 fresnel } }
}

#declare KnobMetal = texture {
  pigment { color rgb <0.038, 0.038, 0.041> }
  normal { onion 0.08 scale 0.55 }   // spun tool marks
  finish {
    ambient 0 diffuse 0.6 specular 0.45 roughness 0.012 metallic 0.6
    reflection { 0.03, 0.10 fresnel }
  }
}

#declare PrintWhite = texture {
  pigment { color rgb <0.80, 0.80, 0.78> }
  finish { ambient 0 diffuse 0.85 specular 0.05 roughness 0.2 }
}

#declare PrintAmber = texture {
  pigment { color rgb <0.78, 0.46, 0.12> }
  finish { ambient 0 diffuse 0.85 specular 0.05 roughness 0.2 }
}

// ------------------------------------------------------------ the panel
plane { z, BezDepth texture { CrinklePanel } }

// --------------------------------------------------------------- the bezel
// A block with rounded corners and a small radius on its front edges.
#macro RoundedBlock(L, T, R, B, Z0, Z1, Corner, Edge)
  union {
    box { P(L + Corner, T + Edge, Z0 + Edge), P(R - Corner, B - Edge, Z1) }
    box { P(L + Edge, T + Corner, Z0 + Edge), P(R - Edge, B - Corner, Z1) }
    box { P(L + Corner, T, Z0 + Edge), P(R - Corner, B, Z1) }
    box { P(L, T + Corner, Z0 + Edge), P(R, B - Corner, Z1) }
    box { P(L + Corner, T + Corner, Z0), P(R - Corner, B - Corner, Z0 + Edge) }
    box { P(L + Corner, T + Edge, Z0), P(R - Corner, B - Edge, Z0 + Edge) }
    box { P(L + Edge, T + Corner, Z0), P(R - Edge, B - Corner, Z0 + Edge) }
    // front edge rounds along the straight sides
    cylinder { P(L + Corner, T + Edge, Z0 + Edge), P(R - Corner, T + Edge, Z0 + Edge), Edge }
    cylinder { P(L + Corner, B - Edge, Z0 + Edge), P(R - Corner, B - Edge, Z0 + Edge), Edge }
    cylinder { P(L + Edge, T + Corner, Z0 + Edge), P(L + Edge, B - Corner, Z0 + Edge), Edge }
    cylinder { P(R - Edge, T + Corner, Z0 + Edge), P(R - Edge, B - Corner, Z0 + Edge), Edge }
    // the four corners: a torus quarter over a cylinder
    #for (I, 0, 3)
      #local CX = (mod(I, 2) = 0 ? L + Corner : R - Corner);
      #local CY = (I < 2 ? T + Corner : B - Corner);
      cylinder { P(CX, CY, Z0 + Edge), P(CX, CY, Z1), Corner }
      cylinder { P(CX, CY, Z0), P(CX, CY, Z0 + Edge), Corner - Edge }
      torus { Corner - Edge, Edge rotate x * 90 translate P(CX, CY, Z0 + Edge) }
    #end
  }
#end

// The screen opening: a machined bevel from the face down to the exact
// opening, then straight walls back to the glass.
#declare Sl = Chamfer / ChamferDepth;
#declare OL = Seen(ScrL, ScrT, ChamferDepth);
#declare OR = Seen(ScrR, ScrB, ChamferDepth);
#declare ScreenCut = union {
  box { <OL.x, OR.y, ChamferDepth - 0.001>, <OR.x, OL.y, BezDepth + 1> }
  intersection {
    plane { z, ChamferDepth }
    plane { -z, 1 }
    plane { vnormalize(<-1, 0, Sl>), vdot(vnormalize(<-1, 0, Sl>), <OL.x, 0, ChamferDepth>) }
    plane { vnormalize(< 1, 0, Sl>), vdot(vnormalize(< 1, 0, Sl>), <OR.x, 0, ChamferDepth>) }
    plane { vnormalize(<0,  1, Sl>), vdot(vnormalize(<0,  1, Sl>), <0, OL.y, ChamferDepth>) }
    plane { vnormalize(<0, -1, Sl>), vdot(vnormalize(<0, -1, Sl>), <0, OR.y, ChamferDepth>) }
  }
}

#macro RoundCut(X, Y, Radius)
  cylinder { P(X, Y, -1), P(X, Y, BezDepth + 1), Radius }
#end

#macro ScrewHole(X, Y)
  cylinder { P(X, Y, -1), P(X, Y, 0.8), 7.4 }
#end

difference {
  RoundedBlock(BezL, BezT, BezR, BezB, 0, BezDepth, BezCorner, 1.4)
  object { ScreenCut }
  RoundCut(BtnLX, BtnY, 13.4)
  RoundCut(BtnRX, BtnY, 13.4)
  RoundCut(KnobX, KnobY, 19.2)
  ScrewHole(BezL + ScrewInset, BezT + ScrewInset)
  ScrewHole(BezR - ScrewInset, BezT + ScrewInset)
  ScrewHole(BezL + ScrewInset, BezB - ScrewInset)
  ScrewHole(BezR - ScrewInset, BezB - ScrewInset)
  texture { AnodisedBlack }
}

// ----------------------------------------------------- glass and display
// The display sits well back behind a slightly green-tinted cover glass.
box {
  P(ScrL - 4, ScrT - 4, ChamferDepth + 1.2), P(ScrR + 4, ScrB + 4, ChamferDepth + 1.9)
  pigment { color rgbf <0.96, 0.99, 0.97, 0.97> }
  finish { ambient 0 diffuse 0 specular 0.6 roughness 0.004 reflection { 0.006, 0.3 fresnel } }
  interior { ior 1.5 }
}
box {
  P(ScrL - 4, ScrT - 4, ChamferDepth + 3.0), P(ScrR + 4, ScrB + 4, BezDepth - 0.5)
  pigment { color rgb <0.003, 0.004, 0.005> }
  finish { ambient 0 diffuse 0.25 specular 0.08 roughness 0.03 }
}

// ------------------------------------------------------ mounting screws
// Pan-head stainless screws with a cross recess, each turned differently.
#macro Screw(X, Y, Turn)
  union {
    difference {
      intersection {
        sphere { 0, 1 scale <6.6, 6.6, 3.1> }
        plane { z, 0 }
      }
      // the recess: deep and narrow, so it stays in shadow
      union {
        box { <-4.2, -0.65, -4>, <4.2, 0.65, -0.4> }
        box { <-0.65, -4.2, -4>, <0.65, 4.2, -0.4> }
        texture { RecessShadow }
      }
      rotate z * Turn
    }
    cylinder { <0, 0, -0.01>, <0, 0, 0.8>, 6.6 }
    texture { Stainless }
    translate P(X, Y, 0.8)
  }
#end
Screw(BezL + ScrewInset, BezT + ScrewInset, 17)
Screw(BezR - ScrewInset, BezT + ScrewInset, 52)
Screw(BezL + ScrewInset, BezB - ScrewInset, -31)
Screw(BezR - ScrewInset, BezB - ScrewInset, 8)

// ----------------------------------------------------------- push buttons
// A polished collar ring and a satin cap with a rounded rim, just proud of
// the bezel face.
#macro PushButton(X, Y)
  union {
    torus { 12.6, 1.1 rotate x * 90 translate <0, 0, 0.2> texture { Stainless } }
    difference {
      cylinder { <0, 0, -0.6>, <0, 0, 4>, 13.4 }
      cylinder { <0, 0, -1>, <0, 0, 5>, 11.9 }
      texture { Stainless }
    }
    union {
      cylinder { <0, 0, -2.4>, <0, 0, 4>, 11.2 }
      torus { 10.0, 1.2 rotate x * 90 translate <0, 0, -2.4> }
      // a gently domed top, meeting the rounded rim
      intersection {
        sphere { <0, 0, 79.4>, 83.6 }
        cylinder { <0, 0, -5>, <0, 0, -2.3>, 10.0 }
      }
      texture { SatinCap }
    }
    translate P(X, Y, 0)
  }
#end
PushButton(BtnLX, BtnY)
PushButton(BtnRX, BtnY)

// ------------------------------------------------------------ rotary knob
// Black anodised knob with a straight knurl round its skirt, a chamfered
// top edge where the knurl shows, and a spun top face.
#declare KnobR = 17.4;
#declare KnobH = 11;
#declare Knob = union {
  difference {
    union {
      cylinder { <0, 0, -KnobH + 1.6>, <0, 0, 0>, KnobR }
      cone { <0, 0, -KnobH + 1.6>, KnobR, <0, 0, -KnobH>, KnobR - 1.6 }
    }
    #for (I, 0, 59)
      cylinder { <KnobR + 0.25, 0, -KnobH - 1>, <KnobR + 0.25, 0, 1>, 0.95 rotate z * I * 6 }
    #end
    // a shallow dish in the top face
    sphere { <0, 0, -KnobH - 95>, 96.1 }
    texture { KnobMetal }
  }
  // the shaft nut behind the knob
  cylinder { <0, 0, 0>, <0, 0, 1.2>, 19 texture { Stainless } }
  translate P(KnobX, KnobY, -0.4)
}
object { Knob }

// --------------------------------------------------------------- markings
// Screen-printed on the bezel above the display.
#declare Maker = text { ttf "DejaVuSans-Bold.ttf" "Tarvo" 0.05, 0 }
#declare Model = text { ttf "DejaVuSansCondensed.ttf" "QS-9" 0.05, 0 }
#declare MarkY = 44.5;
object {
  Maker scale <13.5, 13.5, 1>
  translate P(ScrL + 1, MarkY, -0.03)
  texture { PrintWhite }
}
#declare ModelW = max_extent(Model).x - min_extent(Model).x;
object {
  Model scale <12.5, 12.5, 1>
  translate P(ScrR - 1 - ModelW * 12.5, MarkY, -0.03)
  texture { PrintWhite }
}
// a thin amber rule under the model name
box {
  P(ScrR - 1 - ModelW * 12.5, MarkY + 3.4, -0.03), P(ScrR - 1, MarkY + 4.3, 0.001)
  texture { PrintAmber }
}
