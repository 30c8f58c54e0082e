// The note-file reader of the forge (its helpers would clash with the recipe reader's in one
// translation unit).
#include "../../assets/forge/music.cpp"
