// The forge's selection of a part of a note file (channels, beats, tail, SoundFont).
#include "../../assets/forge/music_select.cpp"
