// The forge's pieces that need neither librsvg, cairo nor fluidsynth, compiled into the test.
#include "../../assets/forge/cache.cpp"
#include "../../assets/forge/expr.cpp"
#include "../../assets/forge/image.cpp"
#include "../../assets/forge/manifest.cpp"
#include "../../assets/forge/scene_description.cpp"
#include "../../assets/forge/synth.cpp"
#include "../../assets/forge/wav.cpp"
