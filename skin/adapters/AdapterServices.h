#pragma once
// Puts the window adapters behind the seams the layers below leave for
// them: the skinned combo box's dropped list, the manager's hot tracking and
// the creation hook's menu windows.
// Runs once at start-up; again does no harm.
namespace skin::adapters {

void InstallAdapterServices();

}  // namespace skin::adapters
