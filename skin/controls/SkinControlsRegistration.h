#pragma once
// Publishes the skinned controls' properties and registers their classes so a
// form description may name them. Runs once.
namespace skin {

void RegisterSkinControlsClasses();

}  // namespace skin
