#pragma once

#include <span>

// curvix-cli render [--convert] FILE -o OUT.png [--size WxH]: computes the
// document's visible graphs and draws the graph view with a client area of
// W x H pixels (default 800 x 600), scrolled as after a successful
// computation, into a PNG.
int RunRenderCommand(std::span<char* const> args);
