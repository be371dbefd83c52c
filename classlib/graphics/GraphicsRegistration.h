#pragma once
// Publishes the properties of fonts, brushes, pens and pictures to the
// property registry, so form descriptions can say "Font.Height = -16" and
// "Picture.Data = {...}". Runs once; every font, brush, pen and picture
// constructor calls it, and start-up code may call it early.
namespace classlib {

void RegisterGraphicsClasses();

}  // namespace classlib
