#pragma once

// Lets assistive technology see the owner-drawn controls as the push buttons, check boxes and
// radio buttons they are: named by their caption, with their checked state and a press or toggle
// action that does what a click does.
namespace ControlAccessibility {

void install();

} // namespace ControlAccessibility
