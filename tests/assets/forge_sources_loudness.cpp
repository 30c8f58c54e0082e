// The forge's loudness measure (K-weighted, over the parts that sound).
#include "../../assets/forge/loudness.cpp"
