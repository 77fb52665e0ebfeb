#pragma once

// The abstract drawing surface every element draws itself on. The screen
// view, printing, the clipboard picture, the SVG export and the recording
// surface of the tests each provide one.
class TDC {
public:
    virtual ~TDC() = default;
};
