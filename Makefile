# The two set-up commands of the README, and a few conveniences for developers.
.PHONY: run test bench deps

deps:
	@bash scripts/install-deps.sh

run: deps
	@bash scripts/run.sh

test: deps
	@bash scripts/test.sh

bench: deps
	@bash scripts/bench.sh
