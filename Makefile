# The two set-up commands of the README, and a few conveniences for developers.
.PHONY: run test bench fuzz soak deps package

# Seconds each fuzz target runs: make fuzz TIME=600
TIME ?= 60
# Seconds the random hand plays the station with fresh seeds: make soak SECONDS=1800
SECONDS ?= 1800

deps:
	@bash scripts/install-deps.sh

run: deps
	@bash scripts/run.sh

test: deps
	@bash scripts/test.sh

bench: deps
	@bash scripts/bench.sh

fuzz: deps
	@bash scripts/fuzz.sh $(TIME)

# The Debian package of the station (scripts/package.sh; docs/administration.md).
package: deps
	@bash scripts/package.sh

soak: deps
	@bash scripts/soak.sh $(SECONDS)
