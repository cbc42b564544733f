#pragma once

#include <span>

// curvix-cli render [--convert] FILE -o OUT.png [--size WxH] [--scale S]
// [--classic]: computes the document's visible graphs and draws the graph
// view with a client area of W x H pixels (default 800 x 600), scrolled as
// after a successful computation, into a PNG of S times the pixels (S from
// 1 to 4, default 1); smooth 2-pixel curves, or 1-pixel ones without
// smoothing with --classic.
int RunRenderCommand(std::span<char* const> args);
