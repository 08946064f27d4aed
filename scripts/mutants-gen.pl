#!/usr/bin/env perl
# Writes a list of mutants for scripts/mutants.sh to standard output:
#   scripts/mutants-gen.pl [--seed N] [--per-folder N | --count N] [--equivalent FILE]
# scripts/mutants.txt was made this way once and committed, so that runs before and after a
# change to the tests compare on the same mutants; scripts/mutants.sh --fresh draws a new
# sample each time, which is how the suite is judged (a suite can learn a fixed list). The
# choice is random (so that nobody picks the mutants the suite happens to kill) but seeded,
# with a generator of our own, so that the same sources and seed give the same list on any
# machine. --count spreads N mutants over the folders; changes that match a line of the
# equivalent list (scripts/mutants-equivalent.txt) cannot alter any output and are never drawn.
use strict;
use warnings;
use File::Basename qw(dirname);

my $seed = 2718;
my $perFolder = 8;
my $count;
my $equivalentList = dirname(__FILE__) . '/mutants-equivalent.txt';
my $usage = "usage: $0 [--seed N] [--per-folder N | --count N] [--equivalent FILE]\n";
while (@ARGV) {
    my $option = shift @ARGV;
    my $value = shift @ARGV // die $usage;
    if ($option eq '--seed') { $seed = $value; }
    elsif ($option eq '--per-folder') { $perFolder = $value; }
    elsif ($option eq '--count') { $count = $value; }
    elsif ($option eq '--equivalent') { $equivalentList = $value; }
    else { die $usage; }
}
die $usage if grep { !/^\d+$/ } ($seed, $perFolder, $count // 0);
my @folders = qw(core/text core/thermo core/mechanism core/reversal core/batch core/comparison
                 core/files commands cli app);

# Each line of the equivalent list: a kind, a Perl pattern matched against the line's code,
# and the reason no output can change (tab-separated; # starts a comment).
my @equivalent;
if (-e $equivalentList) {
    open(my $in, '<', $equivalentList) or die "$equivalentList: $!\n";
    while (my $line = <$in>) {
        next if $line =~ /^\s*(#|$)/;
        chomp $line;
        my ($kind, $pattern, $reason) = split /\t+/, $line;
        die "$equivalentList:$.: kind, pattern and reason expected\n" unless defined $reason;
        push @equivalent, [$kind, qr/$pattern/];
    }
}
sub isEquivalent {
    my ($kind, $code) = @_;
    return grep { $_->[0] eq $kind && $code =~ $_->[1] } @equivalent;
}
my @kinds = qw(negate bound arith drop);

# Park and Miller's minimal standard generator: exact in Perl's integers everywhere.
my $state = $seed % 2147483647 || 1;
sub draw {
    my ($n) = @_;
    $state = ($state * 48271) % 2147483647;
    return $state % $n;
}

my %negated = ('<' => '>=', '<=' => '>', '>' => '<=', '>=' => '<', '==' => '!=', '!=' => '==');
my %shifted = ('<' => '<=', '<=' => '<', '>' => '>=', '>=' => '>');

# Texts inside quotes and comments are blanked (same length) so that only code is matched.
sub codeOnly {
    my ($line) = @_;
    $line =~ s/"(?:[^"\\]|\\.)*"/'"' . (' ' x (length($&) - 2)) . '"'/ge;
    $line =~ s/'(?:[^'\\]|\\.)*'/"'" . (' ' x (length($&) - 2)) . "'"/ge;
    $line =~ s{//.*$}{' ' x length($&)}e;
    return $line;
}

# A site is one change inside one line: the text at [start, end) becomes `to`. The pattern
# written to the list is the change widened, a word at a time on each side, until it names
# one place in the file (or holds the whole line); the occurrence counts what remains.
sub pattern {
    my ($text, $lines, $index, $start, $end, $to) = @_;
    my $line = $lines->[$index];
    my ($from, $upto) = ($start, $end);
    my $indent = length(($line =~ /^(\s*)/)[0]);
    my $widen = sub {
        $from-- while $from > $indent && substr($line, $from - 1, 1) =~ /\s/;
        $from-- while $from > $indent && substr($line, $from - 1, 1) =~ /\S/;
        $upto++ while $upto < length($line) && substr($line, $upto, 1) =~ /\s/;
        $upto++ while $upto < length($line) && substr($line, $upto, 1) =~ /\S/;
    };
    $widen->();
    my $offset = 0;
    $offset += length($lines->[$_]) + 1 for 0 .. $index - 1;
    while (1) {
        my $found = substr($line, $from, $upto - $from);
        my ($count, $occurrence, $at) = (0, 0, 0);
        while (($at = index($text, $found, $at)) >= 0) {
            $count++;
            $occurrence = $count if $at == $offset + $from;
            $at += length($found);
        }
        my $whole = $from <= $indent && $upto >= length($line);
        if ($count == 1 || $whole) {
            return undef unless $occurrence;
            my $replaced = substr($found, 0, $start - $from) . $to . substr($found, $end - $from);
            return ($found, $occurrence, $replaced);
        }
        $widen->();
    }
}

# Every candidate change of one file, by kind.
sub candidates {
    my ($file) = @_;
    open(my $in, '<', $file) or die "$file: $!\n";
    local $/;
    my $text = <$in>;
    close $in;
    my @lines = split /\n/, $text, -1;
    my %found = map { $_ => [] } @kinds;
    my $inComment = 0;
    my $previous = '';
    my @windowsOnly;
    for my $i (0 .. $#lines) {
        my $line = $lines[$i];
        if ($inComment) {
            $inComment = 0 if $line =~ m{\*/};
            next;
        }
        if ($line =~ m{^\s*/\*} && $line !~ m{\*/}) {
            $inComment = 1;
            next;
        }
        # Code only Windows compiles is tested by the Windows build under Wine, not by the
        # build the mutants run in: a mutant there could never be caught, nor be a fault here.
        if ($line =~ /^\s*#\s*(ifdef|ifndef|if|elif|else|endif)\b(.*)$/) {
            my ($directive, $condition) = ($1, $2);
            my $windows = $condition =~ /_WIN32/;
            my $negated = $directive eq 'ifndef' || $condition =~ /!\s*defined\s*\(?\s*_WIN32/;
            if ($directive =~ /^if/) { push @windowsOnly, $windows && !$negated ? 1 : $windows ? -1 : 0; }
            elsif ($directive eq 'else' && @windowsOnly) { $windowsOnly[-1] = -$windowsOnly[-1]; }
            elsif ($directive eq 'elif' && @windowsOnly) { $windowsOnly[-1] = $windows && !$negated ? 1 : 0; }
            elsif ($directive eq 'endif') { pop @windowsOnly; }
            next;
        }
        next if grep { $_ > 0 } @windowsOnly;
        next if $line =~ /^\s*(#|\/\/|static_assert|namespace|template)/;
        my $code = codeOnly($line);
        next if $code =~ /^\s*$/;
        my $add = sub {
            my ($kind, $start, $end, $to) = @_;
            return if isEquivalent($kind, $code);
            my ($from, $occurrence, $replaced) = pattern($text, \@lines, $i, $start, $end, $to);
            push @{$found{$kind}}, [$file, $i + 1, $occurrence, $from, $replaced] if defined $from;
        };
        # Comparisons: negated, or made strict / non-strict.
        while ($code =~ /(?<=\s)(<=|>=|==|!=|<|>)(?=\s)/g) {
            my ($start, $end, $op) = ($-[1], $+[1], $1);
            $add->('negate', $start, $end, $negated{$op});
            $add->('bound', $start, $end, $shifted{$op}) if exists $shifted{$op};
        }
        # An integer bound or offset moved by one.
        while ($code =~ /(?:<=|>=|==|!=|<|>|\+|-) (\d+)(?![\w.])/g) {
            $add->('bound', $-[1], $+[1], $1 + 1);
        }
        # Plus and minus swapped, where no text is in sight (strings would not compile).
        if ($line !~ /["']|std::string|append/) {
            while ($code =~ /(?<=\s)([-+])(=?)(?=\s)/g) {
                $add->('arith', $-[1], $+[1], $1 eq '+' ? '-' : '+');
            }
        }
        # A whole statement dropped: a call or an assignment on a line of its own (so not a
        # declaration, whose name the next lines would miss, nor a return).
        my $statement = $code =~ s/^\s+|\s+$//gr;
        my $opens = () = $statement =~ /\(/g;
        my $closes = () = $statement =~ /\)/g;
        my $starts = $previous =~ /[;{}]\s*$/ || $previous =~ /^\s*(?:\}\s*)?(?:else\b|(?:if|for|while)\s*\()/;
        if ($starts && $opens == $closes && $statement !~ /[{}]/
            && $statement =~ /^(?!return\b|throw\b|delete\b|case\b|break\b|continue\b)
                               [A-Za-z_]\w*(?:(?:::|\.|->)\w+|\[[^\]]*\])*
                               \s*(?:\(.*\)|[-+*\/|&]?=\s*.+)\s*;$/x) {
            my $start = length(($code =~ /^(\s*)/)[0]);
            $add->('drop', $start, $start + length($statement), '{}');
        }
        $previous = $code;
    }
    return \%found;
}

# With a count, every folder gets its share and the remainder goes to folders drawn in turn.
my %quota = map { $_ => $perFolder } @folders;
if (defined $count) {
    %quota = map { $_ => int($count / @folders) } @folders;
    my @left = @folders;
    $quota{splice(@left, draw(scalar @left), 1)}++ for 1 .. $count % @folders;
}
my $size = defined $count ? "--count $count" : "--per-folder $perFolder";
print "# Mutants of src/ for scripts/mutants.sh, written by scripts/mutants-gen.pl --seed $seed"
    . " $size.\n";
print "# Tab-separated: id, kind, file, line when written (for the reader), occurrence, pattern,\n";
print "# replacement. A mutant replaces the occurrence-th match of the pattern, a text within\n";
print "# one line, by the replacement.\n";
my $id = 0;
for my $folder (@folders) {
    my %pool = map { $_ => [] } @kinds;
    for my $file (sort glob("src/$folder/*.cpp")) {
        my $found = candidates($file);
        push @{$pool{$_}}, @{$found->{$_}} for @kinds;
    }
    my %usedLines;
    my $taken = 0;
    my $turn = 0;
    # The kinds take turns, so that each folder gets each kind of fault.
    while ($taken < $quota{$folder}) {
        my @open = grep { @{$pool{$_}} } @kinds;
        last unless @open;
        my $kind = $kinds[$turn++ % @kinds];
        next unless @{$pool{$kind}};
        my $pick = splice(@{$pool{$kind}}, draw(scalar @{$pool{$kind}}), 1);
        my $where = "$pick->[0]:$pick->[1]";
        next if $usedLines{$where}++;
        $taken++;
        printf "%d\t%s\t%s\t%d\t%d\t%s\t%s\n", ++$id, $kind, $pick->[0], $pick->[1], $pick->[2],
            $pick->[3], $pick->[4];
    }
}
