#pragma once

#include "GallerySection.h"

// The gallery's blocks, each showing one family of controls in its states.
std::unique_ptr<GallerySection> makeKnobSection(int width);
std::unique_ptr<GallerySection> makeButtonSection(int width);
std::unique_ptr<GallerySection> makeContainerSection(int width);
std::unique_ptr<GallerySection> makeWindowSection(int width);
