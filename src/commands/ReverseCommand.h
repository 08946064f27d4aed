#pragma once
// The Reverse button: one reaction, reported on screen, in the chart and in temp.txt.

#include "app/Elements.h"
#include "program/CommandResult.h"
#include "reversal/ReactionReversal.h"

#include <string>
#include <string_view>

namespace zorbel {

struct CommonValue;
class Session;
class SpeciesProvider;

/// Runs the Reverse command on the reaction the panel shows: done with temp.txt written
/// (the message then holds a warning about the personal range, if any), or refused.
CommandResult reverseShownReaction(Session& session);

/// The colour a slot box takes.
Colour slotColour(SlotKind kind);
/// The shared record's fit fields (RevA ... FitInvT) from the last fit.
void rememberFit(CommonValue& common, const FitResult& fit);

/// The request the window's boxes and settings make for the reaction they show.
ReversalRequest requestFromWindow(const Session& session);

/// Shows on the window what a reversal found up to where it stopped: the slot boxes'
/// texts and colours, and the range with its boldness.
void showSlotsAndRange(Session& session, const ReversalOutcome& outcome);
/// PropTxt 23-25: the shared record's Arev, nrev, Earev in the chosen patterns.
void showReverseCoefficients(Session& session);
/// Leaves the species panel as the reversal's lookups left it.
void showLastSpecies(Session& session, const ReversalOutcome& outcome);
/// The message of a refusal, in the single command's words, for the reaction shown.
std::string refusalMessage(const Session& session, const ReversalOutcome& outcome);

/// The chart's rows from the results grid and the fitted law in the shared record.
struct Speedfrm;
Speedfrm buildChart(const Session& session);

} // namespace zorbel
