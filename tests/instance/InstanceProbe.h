#pragma once
// Exit codes of InstanceProbe's administrator test.
const int kProbeNoAnswer = 10;
const int kProbeNotMember = 11;
const int kProbeMember = 12;
const int kProbeUsage = 64;
