"""Captures of the two-channel storage oscilloscope as ORVANT reads them."""
import os
from typing import Any, Iterable, Optional, Union

import numpy
import numpy.typing

PathLike = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]
Cell = Union[None, bool, int, float, str]


class LoadError(Exception):
    number: int
    text: str

    def __init__(self, number: int, text: str) -> None: ...


class Capture:
    @property
    def file(self) -> str: ...
    @property
    def settings(self) -> dict[str, Optional[str]]: ...
    @property
    def scale(self) -> dict[str, Cell]: ...
    @property
    def values(self) -> numpy.typing.NDArray[numpy.uint8]: ...
    @property
    def volts(self) -> Optional[numpy.typing.NDArray[numpy.float64]]: ...
    @property
    def seconds(self) -> Optional[numpy.typing.NDArray[numpy.float64]]: ...
    @property
    def measurements(self) -> dict[str, Cell]: ...
    def spectrum(self, window: str = "hann") -> dict[str, Any]: ...
    def export_text(self) -> str: ...


def load(path: PathLike) -> Capture: ...


def table(paths: Union[PathLike, Iterable[PathLike]],
          threads: Optional[int] = None) -> list[dict[str, Cell]]: ...


def table_frame(paths: Union[PathLike, Iterable[PathLike]],
                threads: Optional[int] = None) -> Any: ...


def columns() -> list[str]: ...
