#pragma once
// Resource ids of the agent.

// The frame's resource id; its string is the hidden frame's title, which a second start
// looks for when it asks the running agent to close.
#define IDR_MAINFRAME 128
