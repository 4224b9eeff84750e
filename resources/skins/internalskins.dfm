object SkinsInternas: TsStoredSkinsHolder
  InternalSkins = <
    item
      Name = 'Arena'
      GeneralData = <
        item
          SectionName = 'GLOBALINFO'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 60
          FontColor = '3029572 16055039 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientData = ' '
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = clWhite
        end
        item
          SectionName = 'DIVIDER'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          ParentClass = 'TABCONTROL'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABCONTROLLEFT'
          ParentClass = 'TABCONTROL'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          ParentClass = 'TABCONTROL'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABBOTTOM'
          ParentClass = 'TABTOP'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 40
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TRACKBAR'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotTransparency = 100
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABLEFT'
          ParentClass = 'TABTOP'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 40
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'TABRIGHT'
          ParentClass = 'TABTOP'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 40
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'ALPHAEDIT'
          ParentClass = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'BARPANEL'
          Color = 13030878
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14345451
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'BUTTON'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '15134451;14083308;100;0;0'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 60
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBTNTOP'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLSLIDERH'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLSLIDERV'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15134451;14083308;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotGradientPercent = 50
          HotGradientData = '15660279;14609136;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBAR2V'
          ParentClass = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBAR2H'
          ParentClass = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'PANEL'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'PROGRESSV'
          Color = 5930918
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15988987 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 30
          GradientData = '10269385;5930918;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10401228
          HotGradientPercent = 30
          HotGradientData = '12438491;8889279;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'GAUGE'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16382973
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'GROUPBOX'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotTransparency = 100
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'CHECKBOX'
          Color = 14083308
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '3029572 -1 -1 -1 -1'
          HotFontColor = '3029572 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14937586
          HotTransparency = 100
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'DRAGBAR'
          Color = 5930918
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15988987 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '10269385;5930918;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10401228
          HotGradientPercent = 40
          HotGradientData = '12438491;8889279;100;0;0'
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end
        item
          SectionName = 'MENUITEM'
          Color = 5930918
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15988987 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10401228
          BorderColor1 = 9083560
          BorderColor2 = 15988987
        end>
      Images = <
        item
          SectionName = 'EDIT'
          PropertyName = 'BORDERSMASK'
          Right = 36
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Right = 72
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Right = 108
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Right = 144
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Right = 180
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABLEFT'
          PropertyName = 'BORDERSMASK'
          Top = 12
          Right = 36
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 12
          Right = 72
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'ALPHAEDIT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 12
          Right = 108
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 12
          Right = 144
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 12
          Right = 180
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'BORDERSMASK'
          Top = 24
          Right = 36
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 24
          Right = 72
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 24
          Right = 108
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1V'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 24
          Right = 144
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 24
          Right = 180
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'BORDERSMASK'
          Top = 36
          Right = 36
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2V'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 36
          Right = 72
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2H'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 36
          Right = 108
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1H'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 36
          Right = 144
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PANEL'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 36
          Right = 180
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PROGRESSV'
          PropertyName = 'BORDERSMASK'
          Top = 48
          Right = 36
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GAUGE'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 48
          Right = 72
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GROUPBOX'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 48
          Right = 108
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'MENUITEM'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 48
          Right = 144
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONCLOSE'
          Left = 144
          Top = 48
          Right = 168
          Bottom = 56
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMAX'
          Top = 60
          Right = 24
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMIN'
          Left = 24
          Top = 60
          Right = 48
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONHELP'
          Left = 48
          Top = 60
          Right = 72
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONNORM'
          Left = 72
          Top = 60
          Right = 96
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SICONNORM'
          Left = 96
          Top = 60
          Right = 120
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXCHECKED'
          Left = 120
          Top = 60
          Right = 159
          Bottom = 73
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXUNCHECKED'
          Top = 73
          Right = 39
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXGRAYED'
          Left = 39
          Top = 73
          Right = 78
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOCHECKED'
          Left = 78
          Top = 73
          Right = 117
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOUNCHECKED'
          Left = 117
          Top = 73
          Right = 156
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLCHECKED'
          Top = 86
          Right = 30
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLUNCHECKED'
          Left = 30
          Top = 86
          Right = 60
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLGRAYED'
          Left = 60
          Top = 86
          Right = 90
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'CHECK'
          Left = 90
          Top = 86
          Right = 111
          Bottom = 92
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'GRIPIMAGE'
          Left = 111
          Top = 86
          Right = 126
          Bottom = 91
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'GLYPHMASK'
          Left = 126
          Top = 86
          Right = 138
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'GLYPHMASK'
          Left = 138
          Top = 86
          Right = 150
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'GLYPHMASK'
          Left = 150
          Top = 86
          Right = 171
          Bottom = 90
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'GLYPHMASK'
          Top = 96
          Right = 21
          Bottom = 100
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'GLYPHMASK'
          Left = 21
          Top = 96
          Right = 36
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'GLYPHMASK'
          Left = 36
          Top = 96
          Right = 51
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERCHANNEL'
          Left = 51
          Top = 96
          Right = 87
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERMASK'
          Left = 87
          Top = 96
          Right = 102
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERVMASK'
          Left = 102
          Top = 96
          Right = 114
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKHORZ'
          Left = 114
          Top = 96
          Right = 117
          Bottom = 99
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKVERT'
          Left = 117
          Top = 96
          Right = 126
          Bottom = 97
          ImageCount = 3
          ImgType = itisaGlyph
        end>
      MasterBitmap.Data = {
        06E40000424D06E40000000000003600000028000000B40000006C0000000100
        180000000000D0E30000C40E0000C40E00000000000000000000FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA6FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA6FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA6FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E95A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A
        9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E95A7FA6FF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FF
        5A7FA6FF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FF8A9AA8FF00FFFF00
        FFFF00FF5A7FA6FF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A
        7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E95A7FA6FF00FF8A9AA8CAD1D78A9AA8FF00FFFF00FF5A7FA6B4C5D65A
        7FA6FF00FFFF00FF2E3A44A0A6AA2E3A44FF00FF8A9AA88A9AA8FF00FFFF00FF
        5A7FA65A7FA6FF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A44
        FF00FF2E3A44FF00FF2E3A445A7FA6FF00FF5A7FA6FF00FF5A7FA68A9AA8FF00
        FF8A9AA8FF00FF8A9AA82E3A44FF00FF2E3A44FF00FF2E3A445A7FA6FF00FF5A
        7FA6FF00FF5A7FA68A9AA8FF00FF8A9AA8FF00FF8A9AA88A9AA8FFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A
        7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        5A7FA68A9AA8CAD1D7CAD1D7CAD1D78A9AA85A7FA6B4C5D6B4C5D6B4C5D65A7F
        A62E3A44A0A6AAA0A6AAA0A6AA2E3A448A9AA88A9AA88A9AA8FF00FF5A7FA65A
        7FA65A7FA6FF00FF2E3A442E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA6FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FFA0A6AA2E
        3A44A0A6AA2E3A44FF00FFB4C5D65A7FA6B4C5D65A7FA6FF00FFCAD1D78A9AA8
        CAD1D78A9AA8FF00FFA0A6AA2E3A44A0A6AA2E3A44FF00FFB4C5D65A7FA6B4C5
        D65A7FA6FF00FFCAD1D78A9AA8CAD1D78A9AA88A9AA8FFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A
        9AA8CAD1D7CAD1D7CAD1D78A9AA85A7FA6B4C5D6B4C5D6B4C5D65A7FA62E3A44
        A0A6AAA0A6AAA0A6AA2E3A448A9AA88A9AA88A9AA88A9AA85A7FA65A7FA65A7F
        A65A7FA62E3A442E3A442E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E
        3A442E3A44FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA6FF00FFFF00FF
        FF00FFFF00FF8A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF2E3A44FF00
        FF2E3A44FF00FFFF00FF5A7FA6FF00FF5A7FA6FF00FFFF00FF8A9AA8FF00FF8A
        9AA8FF00FFFF00FF2E3A44FF00FF2E3A44FF00FFFF00FF5A7FA6FF00FF5A7FA6
        FF00FFFF00FF8A9AA8FF00FF8A9AA88A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8CAD1
        D7CAD1D7CAD1D78A9AA85A7FA6B4C5D6B4C5D6B4C5D65A7FA62E3A44A0A6AAA0
        A6AAA0A6AA2E3A448A9AA88A9AA88A9AA8FF00FF5A7FA65A7FA65A7FA6FF00FF
        2E3A442E3A442E3A44FF00FF8A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A442E3A
        442E3A44FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A
        9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFA0A6AA2E3A44
        FF00FFFF00FFFF00FFB4C5D65A7FA6FF00FFFF00FFFF00FFCAD1D78A9AA8FF00
        FFFF00FFFF00FFA0A6AA2E3A44FF00FFFF00FFFF00FFB4C5D65A7FA6FF00FFFF
        00FFFF00FFCAD1D78A9AA88A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6D0D6DCD0D6DCD0D6DCD0
        D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC5A7FA68A9AA8CAD1D7CAD1D7
        CAD1D78A9AA85A7FA6B4C5D6B4C5D6B4C5D65A7FA62E3A44A0A6AAA0A6AAA0A6
        AA2E3A448A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF2E3A442E
        3A44FF00FFFF00FF8A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A442E3A442E3A442E3A44
        2E3A445A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF
        00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FF
        FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00
        FFFF00FF8A9AA8FF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF8A9AA88A9AA88A9AA88A9AA88A
        9AA85A7FA65A7FA65A7FA65A7FA65A7FA62E3A442E3A442E3A442E3A442E3A44
        8A9AA8FF00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00FF2E3A44FF00FFFF00
        FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF
        FF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A
        7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6
        8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF8A9AA8FFFFFFFFFFFFFFFFFF2E3A44FFFFFFFFFFFFFFFFFFFFFFFF8A9AA8
        5A7FA6FFFFFFFFFFFFFFFFFF2E3A44FFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7F
        A6E7EAEDE7EAEDE7EAED2E3A44E7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9A
        A8FFFFFFFFFFFF2E3A442E3A442E3A44FFFFFFFFFFFFFFFFFF8A9AA85A7FA6FF
        FFFFFFFFFF2E3A442E3A442E3A44FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAED
        E7EAED2E3A442E3A442E3A44E7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFF2E3A44A0A6AA2E3A
        44A0A6AA2E3A44FFFFFFFFFFFF8A9AA85A7FA6FFFFFF2E3A44A0A6AA2E3A44A0
        A6AA2E3A44FFFFFFFFFFFF5A7FA65A7FA6E7EAED2E3A44A0A6AA2E3A44A0A6AA
        2E3A44E7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FF2E3A44FF00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00FF8A9AA82E3A44FF
        00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFF
        2E3A442E3A44FFFFFF2E3A442E3A44FFFFFFFFFFFF8A9AA85A7FA6FFFFFF2E3A
        442E3A44FFFFFF2E3A442E3A44FFFFFFFFFFFF5A7FA65A7FA6E7EAED2E3A442E
        3A44E7EAED2E3A442E3A44E7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFA0A6AA2E3A44A0A6AA2E3A44
        A0A6AAFFFFFFFFFFFF8A9AA85A7FA6FFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6
        AAFFFFFFFFFFFF5A7FA65A7FA6E7EAEDA0A6AA2E3A44A0A6AA2E3A44A0A6AAE7
        EAEDE7EAED5A7FA6FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A44
        FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA82E3A442E3A44FF00
        FFFF00FF5A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA8FF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFF2E3A44FF
        FFFFFFFFFFFFFFFF2E3A442E3A44FFFFFF8A9AA85A7FA6FFFFFF2E3A44FFFFFF
        FFFFFFFFFFFF2E3A442E3A44FFFFFF5A7FA65A7FA6E7EAED2E3A44E7EAEDE7EA
        EDE7EAED2E3A442E3A44E7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAED5A7FA68A9AA8FFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FF
        FFFFFFFFFF8A9AA85A7FA6FFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFF
        FFFFFF5A7FA65A7FA6E7EAED2E3A44A0A6AA2E3A44A0A6AA2E3A44E7EAEDE7EA
        ED5A7FA6FF00FF2E3A442E3A442E3A44FF00FFFF00FFFF00FFFF00FF5A7FA65A
        7FA65A7FA6FF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA8FF00FFFF00FF
        FF00FF8A9AA8FF00FF8A9AA8FF00FF8A9AA88A9AA8FF00FF8A9AA8FF00FF8A9A
        A88A9AA8FF00FF8A9AA8FF00FF8A9AA8FF00FF2E3A442E3A442E3A44FF00FF5A
        7FA65A7FA65A7FA6FF00FF8A9AA88A9AA88A9AA82E3A442E3A442E3A44FF00FF
        5A7FA65A7FA65A7FA6FF00FF8A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF2E3A442E3A448A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF2E3A442E3A445A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAED2E3A442E3A445A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAED5A7FA68A9AA8FFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6AAFFFFFFFFFF
        FF8A9AA85A7FA6FFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6AAFFFFFFFFFFFF5A
        7FA65A7FA6E7EAEDA0A6AA2E3A44A0A6AA2E3A44A0A6AAE7EAEDE7EAED5A7FA6
        2E3A442E3A44FF00FF2E3A442E3A44FF00FFFF00FF5A7FA65A7FA6FF00FF5A7F
        A65A7FA6FF00FFFF00FF8A9AA88A9AA8FF00FF8A9AA88A9AA8FF00FFFF00FFFF
        00FFCAD1D78A9AA8CAD1D78A9AA8FF00FFCAD1D78A9AA8CAD1D78A9AA8FF00FF
        CAD1D78A9AA8CAD1D78A9AA82E3A442E3A442E3A442E3A445A7FA65A7FA65A7F
        A65A7FA68A9AA88A9AA88A9AA88A9AA82E3A442E3A442E3A442E3A445A7FA65A
        7FA65A7FA65A7FA68A9AA88A9AA88A9AA88A9AA82E3A442E3A442E3A442E3A44
        2E3A442E3A442E3A445A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF2E3A448A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF2E3A445A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAED2E3A445A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A
        7FA68A9AA8FFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFFFFFFFF8A9AA8
        5A7FA6FFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFFFFFFFF5A7FA65A7F
        A6E7EAED2E3A44A0A6AA2E3A44A0A6AA2E3A44E7EAEDE7EAED5A7FA62E3A44FF
        00FFFF00FFFF00FF2E3A442E3A44FF00FF5A7FA6FF00FFFF00FFFF00FF5A7FA6
        5A7FA6FF00FF8A9AA8FF00FFFF00FFFF00FF8A9AA88A9AA8FF00FFFF00FFFF00
        FF8A9AA8FF00FF8A9AA8FF00FFFF00FF8A9AA8FF00FF8A9AA8FF00FFFF00FF8A
        9AA8FF00FF8A9AA8FF00FF2E3A442E3A442E3A44FF00FF5A7FA65A7FA65A7FA6
        FF00FF8A9AA88A9AA88A9AA82E3A442E3A442E3A44FF00FF5A7FA65A7FA65A7F
        A6FF00FF8A9AA88A9AA88A9AA8FF00FFFF00FF2E3A442E3A442E3A442E3A442E
        3A44FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF5A7FA65A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6
        5A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6FF00FFFF00FFFF00
        FFFF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FF5A7FA65A
        7FA6FF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA8FF00FFFF00FFFF00FF
        CAD1D78A9AA8FF00FFFF00FFFF00FFCAD1D78A9AA8FF00FFFF00FFFF00FFCAD1
        D78A9AA8FF00FFFF00FF2E3A442E3A44FF00FFFF00FF5A7FA65A7FA6FF00FFFF
        00FF8A9AA88A9AA82E3A442E3A44FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF
        8A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A44FF00FFFF00
        FFFF00FFFF00FF5A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF8A9AA88A
        9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF
        FF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA6FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FF8A
        9AA8FF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FF8A9AA8
        FF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00
        FF8A9AA82E3A44FF00FFFF00FFFF00FF5A7FA6FF00FFFF00FFFF00FF8A9AA8FF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA6FF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA8FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7F
        A65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAED5A7FA6FF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDFF00FFFF00FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF00FFFF00FFE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9A
        A85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        ED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA8
        5A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6
        8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6
        5A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFF2E3A44A0A6AA2E3A44A0A6AA2E
        3A44FFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFF2E3A44A0A6AA
        2E3A44A0A6AA2E3A44FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EA
        ED2E3A44A0A6AA2E3A44A0A6AA2E3A44E7EAEDE7EAEDE7EAED5A7FA68A9AA8FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A
        7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        5A7FA68A9AA8FFFFFFFFFFFFFFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6AAFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFA0A6AA2E3A44A0A6AA2E
        3A44A0A6AAFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDA0A6AA
        2E3A44A0A6AA2E3A44A0A6AAE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFF
        FFFFFFFFFFFFFF2E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A
        7FA6FFFFFFFFFFFFFFFFFFFFFFFF2E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAED2E3A442E3A44E7EAEDE7EA
        EDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A
        7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A
        9AA8FFFFFFFFFFFFFFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A
        44FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED2E3A44A0A6AA2E
        3A44A0A6AA2E3A44E7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFF
        2E3A442E3A442E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFF
        FFFFFFFFFFFFFF2E3A442E3A442E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFF5A
        7FA65A7FA6E7EAEDE7EAEDE7EAED2E3A442E3A442E3A442E3A44E7EAEDE7EAED
        E7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFF
        FFFFFFFFFFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6AAFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6FFFFFFFFFFFFFFFFFFA0A6AA2E3A44A0A6AA2E3A44A0A6AAFFFFFF
        FFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDA0A6AA2E3A44A0A6AA2E3A
        44A0A6AAE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFF2E3A442E
        3A442E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFF
        FFFFFF2E3A442E3A442E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7F
        A6E7EAEDE7EAEDE7EAED2E3A442E3A442E3A442E3A44E7EAEDE7EAEDE7EAEDE7
        EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFF
        FFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6FFFFFFFFFFFFFFFFFF2E3A44A0A6AA2E3A44A0A6AA2E3A44FFFFFFFFFFFFFF
        FFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED2E3A44A0A6AA2E3A44A0A6AA2E3A44
        E7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFF2E3A442E3A
        44FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFF
        FFFF2E3A442E3A44FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAED
        E7EAEDE7EAEDE7EAED2E3A442E3A44E7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7F
        A68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7F
        A65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9A
        A85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        E7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6
        E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        ED5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA68A9AA8FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA8
        5A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7
        EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5A7FA65A7FA6FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6
        FF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF
        FF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF
        00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FF
        FF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF5A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6
        5A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EA
        EDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EA
        EDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF8A9AA8FFFFFFFFFFFFFFFFFFFFFFFF2E3A44FFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFF2E3A44FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED
        E7EAED2E3A44E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF2E3A442E3A442E3A442E3A442E3A442E3A44FF00FFFF00FF5A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF8A9AA8FFFFFFFFFFFFFFFFFF2E3A442E3A442E3A44FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFF2E3A442E3A442E3A44FFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAEDE7EAED2E3A442E
        3A442E3A44E7EAEDE7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A442E
        3A442E3A442E3A442E3A442E3A445A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA68A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA82E3A
        442E3A442E3A442E3A442E3A442E3A44FF00FFFF00FF5A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        FF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF5A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A
        9AA88A9AA8FF00FFFF00FFFF00FF2E3A442E3A442E3A442E3A442E3A442E3A44
        FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF2E3A442E3A442E3A442E
        3A442E3A442E3A44FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF8A9A
        A8FFFFFFFFFFFF2E3A442E3A44FFFFFF2E3A442E3A44FFFFFFFFFFFFFFFFFFFF
        FFFF8A9AA85A7FA6FFFFFFFFFFFF2E3A442E3A44FFFFFF2E3A442E3A44FFFFFF
        FFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAED2E3A442E3A44E7EAED2E3A
        442E3A44E7EAEDE7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF2E3A445A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A
        7FA68A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF
        00FF5A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA6FF00FFFF00FF8A9AA8FF00FF
        FF00FFFF00FFFF00FF8A9AA8FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00
        FF2E3A44FF00FFFF00FF5A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA6FF00FFFF
        00FF8A9AA8FF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FF8A9AA8FFFFFF
        FFFFFF2E3A44FFFFFFFFFFFFFFFFFF2E3A442E3A44FFFFFFFFFFFFFFFFFF8A9A
        A85A7FA6FFFFFFFFFFFF2E3A44FFFFFFFFFFFFFFFFFF2E3A442E3A44FFFFFFFF
        FFFFFFFFFF5A7FA65A7FA6E7EAEDE7EAED2E3A44E7EAEDE7EAEDE7EAED2E3A44
        2E3A44E7EAEDE7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF2E3A445A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA68A9A
        A8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A
        7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA8FF00FF
        FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A445A7F
        A6FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA68A9AA8FF00FFFF00FFFF
        00FFFF00FF8A9AA88A9AA88A9AA82E3A44FF00FFFF00FFFF00FFFF00FF2E3A44
        2E3A442E3A445A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA68A9A
        A8FF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF2E3A442E3A44FFFFFFFFFFFF8A9AA85A7FA6
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF2E3A442E3A44FFFFFFFFFF
        FF5A7FA65A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED2E3A442E
        3A44E7EAEDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E
        3A445A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA68A9AA8FF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7F
        A65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA8FF00FFFF
        00FF2E3A442E3A442E3A442E3A442E3A442E3A44FF00FF2E3A445A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA6FF00FF5A7FA68A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA8FF00FF8A9AA82E3A442E3A442E3A442E3A442E3A442E3A44FF00FF2E
        3A445A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF5A7FA68A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA8FF00FF8A9AA88A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF2E3A44FFFFFFFFFFFF8A9AA85A7FA6FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF2E3A44FFFFFFFFFFFF5A7FA6
        5A7FA6E7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED2E3A44E7EA
        EDE7EAED5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A445A7F
        A6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA68A9AA8FF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF2E3A442E3A44FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5A7FA6
        5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA8FF00FF2E3A
        442E3A442E3A442E3A442E3A442E3A44FF00FF2E3A445A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA6FF00FF5A7FA68A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        FF00FF8A9AA82E3A442E3A442E3A442E3A442E3A442E3A44FF00FF2E3A445A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF5A7FA68A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA8FF00FF8A9AA88A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6E7
        EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAEDE7EAED
        5A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF2E3A442E3A442E3A442E3A442E3A442E3A442E3A442E3A445A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A44FF00FFFF00
        FF2E3A442E3A44FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA8FF00FFFF00FF8A9AA88A9AA8FF00FFFF00FFFF00FF
        2E3A44FF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FF5A7FA6FF00FFFF00
        FFFF00FFFF00FF5A7FA6FF00FFFF00FF8A9AA8FF00FFFF00FFFF00FFFF00FF8A
        9AA8FF00FFFF00FF2E3A44FF00FFFF00FFFF00FFFF00FF2E3A44FF00FFFF00FF
        5A7FA6FF00FFFF00FFFF00FFFF00FF5A7FA6FF00FFFF00FF8A9AA8FF00FFFF00
        FFFF00FFFF00FF8A9AA88A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA65A7FA6FFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5A7FA6FF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A
        442E3A442E3A442E3A442E3A442E3A442E3A442E3A445A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA68A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2E3A442E3A442E3A442E3A44
        FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00
        FFFF00FF8A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF2E3A442E
        3A442E3A442E3A442E3A442E3A44FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00
        FFFF00FF2E3A442E3A442E3A442E3A442E3A442E3A44FF00FFFF00FF5A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA8FF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA85A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0
        A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7F
        A66685A66685A66685A66685A66685A66685A66685A66685A66685A66685A65A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA85A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7F
        A6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A
        7FA65A7FA66685A66685A66685A66685A66685A66685A66685A66685A66685A6
        6685A65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA85A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6
        BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A6
        6685A66685A66685A66685A66685A66685A66685A66685A66685A65A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA85A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0
        A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7F
        A66685A66685A66685A66685A66685A66685A66685A66685A66685A66685A65A
        7FA6FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF8A9AA85A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BB
        D0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A666
        85A66685A66685A66685A66685A66685A66685A66685A65A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA85A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6
        BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A6
        6685A66685A66685A66685A66685A66685A66685A66685A66685A65A7FA6FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF8A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0
        A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685
        A66685A66685A66685A66685A66685A66685A65A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA85A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BB
        D0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A666
        85A66685A66685A66685A66685A66685A66685A66685A65A7FA6FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF8A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6
        BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A6
        6685A66685A66685A66685A66685A65A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0
        A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685
        A66685A66685A66685A66685A66685A66685A65A7FA62E3A442E3A44FF00FFFF
        00FFFF00FFFF00FF2E3A442E3A445A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF
        5A7FA65A7FA68A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF8A9AA88A9AA8FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF8A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BB
        D0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A66685A666
        85A66685A66685A66685A65A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6
        BBD0A6BBD0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A6
        6685A66685A66685A66685A66685A65A7FA6FF00FF2E3A442E3A44FF00FFFF00
        FF2E3A442E3A44FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA8FF00FFFF00FF8A9AA88A9AA8FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9A
        A85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A
        9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0
        A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A66685A66685A66685
        A66685A66685A65A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA68A9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BB
        D0A6BBD0A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A66685A666
        85A66685A66685A66685A65A7FA6FF00FFFF00FF2E3A442E3A442E3A442E3A44
        FF00FFFF00FFFF00FFFF00FF5A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00
        FFFF00FF8A9AA88A9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA85A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7F
        A6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A
        7FA65A7FA66685A66685A66685A66685A66685A66685A66685A66685A66685A6
        6685A65A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A85A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A
        9AA85A7FA6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0
        A6BBD05A7FA65A7FA66685A66685A66685A66685A66685A66685A66685A66685
        A66685A66685A65A7FA6FF00FFFF00FFFF00FF2E3A442E3A44FF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF5A7FA65A7FA6FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF8A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA85A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7FA6A6BBD0
        A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A7FA65A7F
        A66685A66685A66685A66685A66685A66685A66685A66685A66685A66685A65A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA85A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA68A9AA85A7F
        A6A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD0A6BBD05A
        7FA65A7FA66685A66685A66685A66685A66685A66685A66685A66685A66685A6
        6685A65A7FA6FF00FFFF00FF2E3A442E3A442E3A442E3A44FF00FFFF00FFFF00
        FFFF00FF5A7FA65A7FA65A7FA65A7FA6FF00FFFF00FFFF00FFFF00FF8A9AA88A
        9AA88A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA8F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA66D89A6
        6D89A66D89A66D89A66D89A66D89A66D89A66D89A66D89A66D89A65A7FA68A9A
        A8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A
        9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB5A7FA65A7FA6D0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6
        DCD0D6DCD0D6DC5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6
        D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7F
        A66D89A66D89A66D89A66D89A66D89A66D89A66D89A66D89A66D89A66D89A65A
        7FA6FF00FF2E3A442E3A44FF00FFFF00FF2E3A442E3A44FF00FFFF00FF5A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA8FF00FFFF00
        FF8A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF2E3A
        442E3A44FF00FFFF00FFFF00FFFF00FF2E3A442E3A445A7FA65A7FA6FF00FFFF
        00FFFF00FFFF00FF5A7FA65A7FA68A9AA88A9AA8FF00FFFF00FFFF00FFFF00FF
        8A9AA88A9AA8FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FF8A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7
        C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6D0D6DCD0D6DCD0
        D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC5A7FA68A9AA8F3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7F
        A6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A
        7FA65A7FA6D0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC
        D0D6DC5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6D0D6DCD0D6DCD0D6DCD0D6DCD0D6DC
        D0D6DCD0D6DCD0D6DCD0D6DCD0D6DC5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0
        B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA6FF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF8A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0
        B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9A
        A8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A
        9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6
        D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6
        D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7F
        A6D0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC5A
        7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7
        C6D0B7C6D0B7C6D0B7C6D05A7FA6FF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FF8A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7
        C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7
        C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7F
        A6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A
        7FA65A7FA6D0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC
        D0D6DC5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0
        B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0
        B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA6FF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A
        9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FF8A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9
        FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF8A9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FB
        FDF9FBFDF9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1
        E5E9E1E5E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A
        9AA85A7FA6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD
        F9FBFD5A7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5
        E9E1E5E9E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7F
        A6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7F
        A6F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A
        7FA65A7FA6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9
        E1E5E95A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9A
        A8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A
        9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6
        E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3
        E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1
        DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8FFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF8A9AA85A7FA6F9FBFD
        F9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFDF9FBFD5A7FA65A7F
        A6E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E9E1E5E95A
        7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EE
        F3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3
        D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8D6E4EC
        D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4EC8A9AA85A7F
        A6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF35A
        7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DB5A7FA68A9AA8D6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4ECD6E4
        ECD6E4ECD6E4EC8A9AA85A7FA6E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4EEF3E4
        EEF3E4EEF3E4EEF3E4EEF35A7FA65A7FA6C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB
        C3D1DBC3D1DBC3D1DBC3D1DBC3D1DB5A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6D0D6DC
        D0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DCD0D6DC5A7FA68A9A
        A8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A
        9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6
        D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6
        D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A7FA68A9AA8F3F8FBF3F8FBF3
        F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB8A9AA85A7FA6F3F8FB
        F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB5A7FA65A7F
        A6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D05A
        7FA68A9AA8F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FB
        F3F8FB8A9AA85A7FA6F3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8FBF3F8
        FBF3F8FBF3F8FB5A7FA65A7FA6B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7C6D0B7
        C6D0B7C6D0B7C6D0B7C6D05A7FA6FF00FF8A9AA88A9AA88A9AA88A9AA88A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA8
        8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00
        FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF8A9AA88A9AA88A9AA88A9A
        A88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF00FFFF00FF5A7FA65A7FA65A
        7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00FF5A7FA6
        5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6FF00FFFF00
        FF8A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA88A9AA8FF
        00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA6
        5A7FA6FF00FFFF00FF5A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7FA65A7F
        A65A7FA65A7FA6FF00FF}
      Shadow1Color = 7496537
      Shadow1Offset = 1
      Shadow1Blur = 5
      Shadow1Transparency = 50
      Version = 4.83
      Author = 'Tallyvo'
      Description = 'Piel Arena del puesto de venta'
    end
    item
      Name = 'Mostrador'
      GeneralData = <
        item
          SectionName = 'GLOBALINFO'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 60
          FontColor = '2572335 15925238 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientData = ' '
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = clWhite
        end
        item
          SectionName = 'DIVIDER'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          ParentClass = 'TABCONTROL'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABCONTROLLEFT'
          ParentClass = 'TABCONTROL'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          ParentClass = 'TABCONTROL'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABBOTTOM'
          ParentClass = 'TABTOP'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 40
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TRACKBAR'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotTransparency = 100
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABLEFT'
          ParentClass = 'TABTOP'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 40
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'TABRIGHT'
          ParentClass = 'TABTOP'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 40
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'ALPHAEDIT'
          ParentClass = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'BARPANEL'
          Color = 13360338
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14477536
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'BUTTON'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '15397870;14543843;100;0;0'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 60
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBTNTOP'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLSLIDERH'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLSLIDERV'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '15397870;14543843;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotGradientPercent = 50
          HotGradientData = '15857651;14937831;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBAR2V'
          ParentClass = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBAR2H'
          ParentClass = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'PANEL'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'PROGRESSV'
          Color = 6261355
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15857907 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 30
          GradientData = '10467494;6261355;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10533800
          HotGradientPercent = 30
          HotGradientData = '12570819;9087891;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'GAUGE'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16317433
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'GROUPBOX'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotTransparency = 100
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'CHECKBOX'
          Color = 14543843
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2572335 -1 -1 -1 -1'
          HotFontColor = '2572335 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15134954
          HotTransparency = 100
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'DRAGBAR'
          Color = 6261355
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15857907 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '10467494;6261355;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10533800
          HotGradientPercent = 40
          HotGradientData = '12570819;9087891;100;0;0'
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end
        item
          SectionName = 'MENUITEM'
          Color = 6261355
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15857907 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10533800
          BorderColor1 = 8822926
          BorderColor2 = 15857907
        end>
      Images = <
        item
          SectionName = 'EDIT'
          PropertyName = 'BORDERSMASK'
          Right = 36
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Right = 72
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Right = 108
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Right = 144
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Right = 180
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABLEFT'
          PropertyName = 'BORDERSMASK'
          Top = 12
          Right = 36
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 12
          Right = 72
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'ALPHAEDIT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 12
          Right = 108
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 12
          Right = 144
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 12
          Right = 180
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'BORDERSMASK'
          Top = 24
          Right = 36
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 24
          Right = 72
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 24
          Right = 108
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1V'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 24
          Right = 144
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 24
          Right = 180
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'BORDERSMASK'
          Top = 36
          Right = 36
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2V'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 36
          Right = 72
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2H'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 36
          Right = 108
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1H'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 36
          Right = 144
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PANEL'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 36
          Right = 180
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PROGRESSV'
          PropertyName = 'BORDERSMASK'
          Top = 48
          Right = 36
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GAUGE'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 48
          Right = 72
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GROUPBOX'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 48
          Right = 108
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'MENUITEM'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 48
          Right = 144
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONCLOSE'
          Left = 144
          Top = 48
          Right = 168
          Bottom = 56
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMAX'
          Top = 60
          Right = 24
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMIN'
          Left = 24
          Top = 60
          Right = 48
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONHELP'
          Left = 48
          Top = 60
          Right = 72
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONNORM'
          Left = 72
          Top = 60
          Right = 96
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SICONNORM'
          Left = 96
          Top = 60
          Right = 120
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXCHECKED'
          Left = 120
          Top = 60
          Right = 159
          Bottom = 73
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXUNCHECKED'
          Top = 73
          Right = 39
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXGRAYED'
          Left = 39
          Top = 73
          Right = 78
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOCHECKED'
          Left = 78
          Top = 73
          Right = 117
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOUNCHECKED'
          Left = 117
          Top = 73
          Right = 156
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLCHECKED'
          Top = 86
          Right = 30
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLUNCHECKED'
          Left = 30
          Top = 86
          Right = 60
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLGRAYED'
          Left = 60
          Top = 86
          Right = 90
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'CHECK'
          Left = 90
          Top = 86
          Right = 111
          Bottom = 92
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'GRIPIMAGE'
          Left = 111
          Top = 86
          Right = 126
          Bottom = 91
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'GLYPHMASK'
          Left = 126
          Top = 86
          Right = 138
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'GLYPHMASK'
          Left = 138
          Top = 86
          Right = 150
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'GLYPHMASK'
          Left = 150
          Top = 86
          Right = 171
          Bottom = 90
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'GLYPHMASK'
          Top = 96
          Right = 21
          Bottom = 100
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'GLYPHMASK'
          Left = 21
          Top = 96
          Right = 36
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'GLYPHMASK'
          Left = 36
          Top = 96
          Right = 51
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERCHANNEL'
          Left = 51
          Top = 96
          Right = 87
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERMASK'
          Left = 87
          Top = 96
          Right = 102
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERVMASK'
          Left = 102
          Top = 96
          Right = 114
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKHORZ'
          Left = 114
          Top = 96
          Right = 117
          Bottom = 99
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKVERT'
          Left = 117
          Top = 96
          Right = 126
          Bottom = 97
          ImageCount = 3
          ImgType = itisaGlyph
        end>
      MasterBitmap.Data = {
        06E40000424D06E40000000000003600000028000000B40000006C0000000100
        180000000000D0E30000C40E0000C40E00000000000000000000FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6BFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6BFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6BFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E25F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86
        A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E25F8A6BFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FF
        5F8A6BFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FF86A08EFF00FFFF00
        FFFF00FF5F8A6BFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F
        8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        5F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E25F8A6BFF00FF86A08EC8D4CC86A08EFF00FFFF00FF5F8A6BB7CABC5F
        8A6BFF00FFFF00FF27402F9DA9A127402FFF00FF86A08E86A08EFF00FFFF00FF
        5F8A6B5F8A6BFF00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F
        FF00FF27402FFF00FF27402F5F8A6BFF00FF5F8A6BFF00FF5F8A6B86A08EFF00
        FF86A08EFF00FF86A08E27402FFF00FF27402FFF00FF27402F5F8A6BFF00FF5F
        8A6BFF00FF5F8A6B86A08EFF00FF86A08EFF00FF86A08E86A08EFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F
        8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        5F8A6B86A08EC8D4CCC8D4CCC8D4CC86A08E5F8A6BB7CABCB7CABCB7CABC5F8A
        6B27402F9DA9A19DA9A19DA9A127402F86A08E86A08E86A08EFF00FF5F8A6B5F
        8A6B5F8A6BFF00FF27402F27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6BFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FF9DA9A127
        402F9DA9A127402FFF00FFB7CABC5F8A6BB7CABC5F8A6BFF00FFC8D4CC86A08E
        C8D4CC86A08EFF00FF9DA9A127402F9DA9A127402FFF00FFB7CABC5F8A6BB7CA
        BC5F8A6BFF00FFC8D4CC86A08EC8D4CC86A08E86A08EFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86
        A08EC8D4CCC8D4CCC8D4CC86A08E5F8A6BB7CABCB7CABCB7CABC5F8A6B27402F
        9DA9A19DA9A19DA9A127402F86A08E86A08E86A08E86A08E5F8A6B5F8A6B5F8A
        6B5F8A6B27402F27402F27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27
        402F27402FFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6BFF00FFFF00FF
        FF00FFFF00FF86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF27402FFF00
        FF27402FFF00FFFF00FF5F8A6BFF00FF5F8A6BFF00FFFF00FF86A08EFF00FF86
        A08EFF00FFFF00FF27402FFF00FF27402FFF00FFFF00FF5F8A6BFF00FF5F8A6B
        FF00FFFF00FF86A08EFF00FF86A08E86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EC8D4
        CCC8D4CCC8D4CC86A08E5F8A6BB7CABCB7CABCB7CABC5F8A6B27402F9DA9A19D
        A9A19DA9A127402F86A08E86A08E86A08EFF00FF5F8A6B5F8A6B5F8A6BFF00FF
        27402F27402F27402FFF00FF86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27402F27402F2740
        2F27402FFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86
        A08E86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF9DA9A127402F
        FF00FFFF00FFFF00FFB7CABC5F8A6BFF00FFFF00FFFF00FFC8D4CC86A08EFF00
        FFFF00FFFF00FF9DA9A127402FFF00FFFF00FFFF00FFB7CABC5F8A6BFF00FFFF
        00FFFF00FFC8D4CC86A08E86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BCED9D1CED9D1CED9D1CE
        D9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D15F8A6B86A08EC8D4CCC8D4CC
        C8D4CC86A08E5F8A6BB7CABCB7CABCB7CABC5F8A6B27402F9DA9A19DA9A19DA9
        A127402F86A08E86A08EFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF27402F27
        402FFF00FFFF00FF86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF27402F27402F27402F27402F27402F27402F
        27402F5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF
        00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FF
        FF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00
        FFFF00FF86A08EFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF86A08E86A08E86A08E86A08E86
        A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B27402F27402F27402F27402F27402F
        86A08EFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FF27402FFF00FFFF00
        FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF
        FF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F
        8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B
        86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF86A08EFFFFFFFFFFFFFFFFFF27402FFFFFFFFFFFFFFFFFFFFFFFFF86A08E
        5F8A6BFFFFFFFFFFFFFFFFFF27402FFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A
        6BE6ECE8E6ECE8E6ECE827402FE6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A0
        8EFFFFFFFFFFFF27402F27402F27402FFFFFFFFFFFFFFFFFFF86A08E5F8A6BFF
        FFFFFFFFFF27402F27402F27402FFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8
        E6ECE827402F27402F27402FE6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFF27402F9DA9A12740
        2F9DA9A127402FFFFFFFFFFFFF86A08E5F8A6BFFFFFF27402F9DA9A127402F9D
        A9A127402FFFFFFFFFFFFF5F8A6B5F8A6BE6ECE827402F9DA9A127402F9DA9A1
        27402FE6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FF27402FFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FF86A08E27402FFF
        00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFF
        27402F27402FFFFFFF27402F27402FFFFFFFFFFFFF86A08E5F8A6BFFFFFF2740
        2F27402FFFFFFF27402F27402FFFFFFFFFFFFF5F8A6B5F8A6BE6ECE827402F27
        402FE6ECE827402F27402FE6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFF9DA9A127402F9DA9A127402F
        9DA9A1FFFFFFFFFFFF86A08E5F8A6BFFFFFF9DA9A127402F9DA9A127402F9DA9
        A1FFFFFFFFFFFF5F8A6B5F8A6BE6ECE89DA9A127402F9DA9A127402F9DA9A1E6
        ECE8E6ECE85F8A6BFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27402F
        FF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E27402F27402FFF00
        FFFF00FF5F8A6B5F8A6BFF00FFFF00FF86A08E86A08EFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFF27402FFF
        FFFFFFFFFFFFFFFF27402F27402FFFFFFF86A08E5F8A6BFFFFFF27402FFFFFFF
        FFFFFFFFFFFF27402F27402FFFFFFF5F8A6B5F8A6BE6ECE827402FE6ECE8E6EC
        E8E6ECE827402F27402FE6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE85F8A6B86A08EFFFFFF27402F9DA9A127402F9DA9A127402FFF
        FFFFFFFFFF86A08E5F8A6BFFFFFF27402F9DA9A127402F9DA9A127402FFFFFFF
        FFFFFF5F8A6B5F8A6BE6ECE827402F9DA9A127402F9DA9A127402FE6ECE8E6EC
        E85F8A6BFF00FF27402F27402F27402FFF00FFFF00FFFF00FFFF00FF5F8A6B5F
        8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08EFF00FFFF00FF
        FF00FF86A08EFF00FF86A08EFF00FF86A08E86A08EFF00FF86A08EFF00FF86A0
        8E86A08EFF00FF86A08EFF00FF86A08EFF00FF27402F27402F27402FFF00FF5F
        8A6B5F8A6B5F8A6BFF00FF86A08E86A08E86A08E27402F27402F27402FFF00FF
        5F8A6B5F8A6B5F8A6BFF00FF86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF27402F27402F86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF27402F27402F5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE827402F27402F5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE85F8A6B86A08EFFFFFF9DA9A127402F9DA9A127402F9DA9A1FFFFFFFFFF
        FF86A08E5F8A6BFFFFFF9DA9A127402F9DA9A127402F9DA9A1FFFFFFFFFFFF5F
        8A6B5F8A6BE6ECE89DA9A127402F9DA9A127402F9DA9A1E6ECE8E6ECE85F8A6B
        27402F27402FFF00FF27402F27402FFF00FFFF00FF5F8A6B5F8A6BFF00FF5F8A
        6B5F8A6BFF00FFFF00FF86A08E86A08EFF00FF86A08E86A08EFF00FFFF00FFFF
        00FFC8D4CC86A08EC8D4CC86A08EFF00FFC8D4CC86A08EC8D4CC86A08EFF00FF
        C8D4CC86A08EC8D4CC86A08E27402F27402F27402F27402F5F8A6B5F8A6B5F8A
        6B5F8A6B86A08E86A08E86A08E86A08E27402F27402F27402F27402F5F8A6B5F
        8A6B5F8A6B5F8A6B86A08E86A08E86A08E86A08E27402F27402F27402F27402F
        27402F27402F27402F5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF27402F86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF27402F5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE827402F5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F
        8A6B86A08EFFFFFF27402F9DA9A127402F9DA9A127402FFFFFFFFFFFFF86A08E
        5F8A6BFFFFFF27402F9DA9A127402F9DA9A127402FFFFFFFFFFFFF5F8A6B5F8A
        6BE6ECE827402F9DA9A127402F9DA9A127402FE6ECE8E6ECE85F8A6B27402FFF
        00FFFF00FFFF00FF27402F27402FFF00FF5F8A6BFF00FFFF00FFFF00FF5F8A6B
        5F8A6BFF00FF86A08EFF00FFFF00FFFF00FF86A08E86A08EFF00FFFF00FFFF00
        FF86A08EFF00FF86A08EFF00FFFF00FF86A08EFF00FF86A08EFF00FFFF00FF86
        A08EFF00FF86A08EFF00FF27402F27402F27402FFF00FF5F8A6B5F8A6B5F8A6B
        FF00FF86A08E86A08E86A08E27402F27402F27402FFF00FF5F8A6B5F8A6B5F8A
        6BFF00FF86A08E86A08E86A08EFF00FFFF00FF27402F27402F27402F27402F27
        402FFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF5F8A6B5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B
        5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6BFF00FFFF00FFFF00
        FFFF00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6B5F
        8A6BFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08EFF00FFFF00FFFF00FF
        C8D4CC86A08EFF00FFFF00FFFF00FFC8D4CC86A08EFF00FFFF00FFFF00FFC8D4
        CC86A08EFF00FFFF00FF27402F27402FFF00FFFF00FF5F8A6B5F8A6BFF00FFFF
        00FF86A08E86A08E27402F27402FFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF
        86A08E86A08EFF00FFFF00FFFF00FFFF00FF27402F27402F27402FFF00FFFF00
        FFFF00FFFF00FF5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF86A08E86
        A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF
        FF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6BFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FF86
        A08EFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FF86A08E
        FF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00
        FF86A08E27402FFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FF86A08EFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E
        86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86
        A08EFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A
        6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE85F8A6BFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFE6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8FF00FFFF00FF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF00FFFF00FFE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8FF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A0
        8E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6B
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E
        5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6B
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B
        86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B
        5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFF27402F9DA9A127402F9DA9A127
        402FFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF27402F9DA9A1
        27402F9DA9A127402FFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6EC
        E827402F9DA9A127402F9DA9A127402FE6ECE8E6ECE8E6ECE85F8A6B86A08EFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F
        8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        5F8A6B86A08EFFFFFFFFFFFFFFFFFF9DA9A127402F9DA9A127402F9DA9A1FFFF
        FFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF9DA9A127402F9DA9A127
        402F9DA9A1FFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE89DA9A1
        27402F9DA9A127402F9DA9A1E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFF
        FFFFFFFFFFFFFF27402F27402FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F
        8A6BFFFFFFFFFFFFFFFFFFFFFFFF27402F27402FFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE827402F27402FE6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F
        8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86
        A08EFFFFFFFFFFFFFFFFFF27402F9DA9A127402F9DA9A127402FFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF27402F9DA9A127402F9DA9A12740
        2FFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE827402F9DA9A127
        402F9DA9A127402FE6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFF
        27402F27402F27402F27402FFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFF
        FFFFFFFFFFFFFF27402F27402F27402F27402FFFFFFFFFFFFFFFFFFFFFFFFF5F
        8A6B5F8A6BE6ECE8E6ECE8E6ECE827402F27402F27402F27402FE6ECE8E6ECE8
        E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFF
        FFFFFFFFFFFFFF9DA9A127402F9DA9A127402F9DA9A1FFFFFFFFFFFFFFFFFF86
        A08E5F8A6BFFFFFFFFFFFFFFFFFF9DA9A127402F9DA9A127402F9DA9A1FFFFFF
        FFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE89DA9A127402F9DA9A12740
        2F9DA9A1E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFF27402F27
        402F27402F27402FFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFF
        FFFFFF27402F27402F27402F27402FFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A
        6BE6ECE8E6ECE8E6ECE827402F27402F27402F27402FE6ECE8E6ECE8E6ECE8E6
        ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFF
        FFFFFF27402F9DA9A127402F9DA9A127402FFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BFFFFFFFFFFFFFFFFFF27402F9DA9A127402F9DA9A127402FFFFFFFFFFFFFFF
        FFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE827402F9DA9A127402F9DA9A127402F
        E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFF27402F2740
        2FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFF
        FFFF27402F27402FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8
        E6ECE8E6ECE8E6ECE827402F27402FE6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A
        6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A
        6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08E
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A0
        8E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6B
        E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E85F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6B86A08EFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E
        5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6
        ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6B
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF5F8A6B5F8A6BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B
        FF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF
        FF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF
        00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FF
        FF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B
        5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6EC
        E8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6EC
        E8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF86A08EFFFFFFFFFFFFFFFFFFFFFFFF27402FFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFF27402FFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8
        E6ECE827402FE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF27402F27402F27402F27402F27402F27402FFF00FFFF00FF5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A0
        8E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF86A08EFFFFFFFFFFFFFFFFFF27402F27402F27402FFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFF27402F27402F27402FFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE827402F27
        402F27402FE6ECE8E6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27402F27402F27
        402F27402F27402F27402F27402F5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E2740
        2F27402F27402F27402F27402F27402FFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E
        FF00FFFF00FFFF00FFFF00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86
        A08E86A08EFF00FFFF00FFFF00FF27402F27402F27402F27402F27402F27402F
        FF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A0
        8E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF27402F27402F27402F27
        402F27402F27402FFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        FF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF86A0
        8EFFFFFFFFFFFF27402F27402FFFFFFF27402F27402FFFFFFFFFFFFFFFFFFFFF
        FFFF86A08E5F8A6BFFFFFFFFFFFF27402F27402FFFFFFF27402F27402FFFFFFF
        FFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE827402F27402FE6ECE82740
        2F27402FE6ECE8E6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF27402F5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F
        8A6B86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF
        00FF5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FF86A08EFF00FF
        FF00FFFF00FFFF00FF86A08EFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00
        FF27402FFF00FFFF00FF5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6BFF00FFFF
        00FF86A08EFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FF86A08EFFFFFF
        FFFFFF27402FFFFFFFFFFFFFFFFFFF27402F27402FFFFFFFFFFFFFFFFFFF86A0
        8E5F8A6BFFFFFFFFFFFF27402FFFFFFFFFFFFFFFFFFF27402F27402FFFFFFFFF
        FFFFFFFFFF5F8A6B5F8A6BE6ECE8E6ECE827402FE6ECE8E6ECE8E6ECE827402F
        27402FE6ECE8E6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF27402F5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6B86A0
        8EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F
        8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08EFF00FF
        FF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FF27402F27402F27402F5F8A
        6BFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B86A08EFF00FFFF00FFFF
        00FFFF00FF86A08E86A08E86A08E27402FFF00FFFF00FFFF00FFFF00FF27402F
        27402F27402F5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B86A0
        8EFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF27402F27402FFFFFFFFFFFFF86A08E5F8A6B
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF27402F27402FFFFFFFFFFF
        FF5F8A6B5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE827402F27
        402FE6ECE8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27
        402F5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6B86A08EFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A
        6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08EFF00FFFF
        00FF27402F27402F27402F27402F27402F27402FFF00FF27402F5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6BFF00FF5F8A6B86A08E86A08E86A08E86A08E86A0
        8E86A08EFF00FF86A08E27402F27402F27402F27402F27402F27402FFF00FF27
        402F5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF5F8A6B86A08E86A08E
        86A08E86A08E86A08E86A08EFF00FF86A08E86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF27402FFFFFFFFFFFFF86A08E5F8A6BFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF27402FFFFFFFFFFFFF5F8A6B
        5F8A6BE6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE827402FE6EC
        E8E6ECE85F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F5F8A
        6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6B86A08EFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF27402F27402FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF5F8A6B
        5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08EFF00FF2740
        2F27402F27402F27402F27402F27402FFF00FF27402F5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6BFF00FF5F8A6B86A08E86A08E86A08E86A08E86A08E86A08E
        FF00FF86A08E27402F27402F27402F27402F27402F27402FFF00FF27402F5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF5F8A6B86A08E86A08E86A08E86
        A08E86A08E86A08EFF00FF86A08E86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BE6
        ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8E6ECE8
        5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF27402F27402F27402F27402F27402F27402F27402F27402F5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27402FFF00FFFF00
        FF27402F27402FFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08EFF00FFFF00FF86A08E86A08EFF00FFFF00FFFF00FF
        27402FFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FF5F8A6BFF00FFFF00
        FFFF00FFFF00FF5F8A6BFF00FFFF00FF86A08EFF00FFFF00FFFF00FFFF00FF86
        A08EFF00FFFF00FF27402FFF00FFFF00FFFF00FFFF00FF27402FFF00FFFF00FF
        5F8A6BFF00FFFF00FFFF00FFFF00FF5F8A6BFF00FFFF00FF86A08EFF00FFFF00
        FFFF00FFFF00FF86A08E86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6B5F8A6BFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF5F8A6BFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF2740
        2F27402F27402F27402F27402F27402F27402F27402F5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E86A08E86A08E86A08E86A08E86A08E
        86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF27402F27402F27402F27402F
        FF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00
        FFFF00FF86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FF27402F27
        402F27402F27402F27402F27402FFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08EFF00
        FFFF00FF27402F27402F27402F27402F27402F27402FFF00FFFF00FF5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E
        86A08E86A08EFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AF
        A8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A
        6B688F73688F73688F73688F73688F73688F73688F73688F73688F73688F735F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A
        6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F
        8A6B5F8A6B688F73688F73688F73688F73688F73688F73688F73688F73688F73
        688F735F8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8
        C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73
        688F73688F73688F73688F73688F73688F73688F73688F73688F735F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AF
        A8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A
        6B688F73688F73688F73688F73688F73688F73688F73688F73688F73688F735F
        8A6BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1
        AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F7368
        8F73688F73688F73688F73688F73688F73688F73688F735F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8
        C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73
        688F73688F73688F73688F73688F73688F73688F73688F73688F735F8A6BFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF
        A8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F
        73688F73688F73688F73688F73688F73688F735F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1
        AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F7368
        8F73688F73688F73688F73688F73688F73688F73688F735F8A6BFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8
        C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73
        688F73688F73688F73688F73688F735F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF
        A8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F
        73688F73688F73688F73688F73688F73688F735F8A6B27402F27402FFF00FFFF
        00FFFF00FFFF00FF27402F27402F5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF
        5F8A6B5F8A6B86A08E86A08EFF00FFFF00FFFF00FFFF00FF86A08E86A08EFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1
        AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73688F7368
        8F73688F73688F73688F735F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8
        C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73
        688F73688F73688F73688F73688F735F8A6BFF00FF27402F27402FFF00FFFF00
        FF27402F27402FFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08EFF00FFFF00FF86A08E86A08EFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A0
        8E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86
        A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF
        A8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73688F73688F73688F
        73688F73688F735F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B86A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1
        AFA8C1AFA8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73688F7368
        8F73688F73688F73688F735F8A6BFF00FFFF00FF27402F27402F27402F27402F
        FF00FFFF00FFFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00
        FFFF00FF86A08E86A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A
        6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F
        8A6B5F8A6B688F73688F73688F73688F73688F73688F73688F73688F73688F73
        688F735F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8E5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86
        A08E5F8A6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF
        A8C1AF5F8A6B5F8A6B688F73688F73688F73688F73688F73688F73688F73688F
        73688F73688F735F8A6BFF00FFFF00FFFF00FF27402F27402FFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A6BA8C1AF
        A8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F8A6B5F8A
        6B688F73688F73688F73688F73688F73688F73688F73688F73688F73688F735F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08E5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B86A08E5F8A
        6BA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AFA8C1AF5F
        8A6B5F8A6B688F73688F73688F73688F73688F73688F73688F73688F73688F73
        688F735F8A6BFF00FFFF00FF27402F27402F27402F27402FFF00FFFF00FFFF00
        FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FFFF00FFFF00FF86A08E86
        A08E86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08EF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6B6E9279
        6E92796E92796E92796E92796E92796E92796E92796E92796E92795F8A6B86A0
        8EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386
        A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F35F8A6B5F8A6BCED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9
        D1CED9D1CED9D15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACD
        C1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A
        6B6E92796E92796E92796E92796E92796E92796E92796E92796E92796E92795F
        8A6BFF00FF27402F27402FFF00FFFF00FF27402F27402FFF00FFFF00FF5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6BFF00FFFF00FF86A08E86A08EFF00FFFF00
        FF86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF2740
        2F27402FFF00FFFF00FFFF00FFFF00FF27402F27402F5F8A6B5F8A6BFF00FFFF
        00FFFF00FFFF00FF5F8A6B5F8A6B86A08E86A08EFF00FFFF00FFFF00FFFF00FF
        86A08E86A08EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E
        86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FF86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BA
        CDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BCED9D1CED9D1CE
        D9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D15F8A6B86A08EF1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A
        6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F
        8A6B5F8A6BCED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1
        CED9D15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BCED9D1CED9D1CED9D1CED9D1CED9D1
        CED9D1CED9D1CED9D1CED9D1CED9D15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1
        BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6BFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E
        86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1
        BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A0
        8EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386
        A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACD
        C1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACD
        C1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A
        6BCED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D15F
        8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BA
        CDC1BACDC1BACDC1BACDC15F8A6BFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E
        86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FF86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BA
        CDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BA
        CDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A
        6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F
        8A6B5F8A6BCED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1
        CED9D15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1
        BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1
        BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6BFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86
        A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E
        86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86
        A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FF86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8
        FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF86A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FB
        F9F8FBF9F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0
        E7E2E0E7E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86
        A08E5F8A6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9
        F8FBF95F8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7
        E2E0E7E2E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A
        6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A
        6BF8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F
        8A6B5F8A6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2
        E0E7E25F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A0
        8EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386
        A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DD
        EBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB
        E7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8
        CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF86A08E5F8A6BF8FBF9
        F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF9F8FBF95F8A6B5F8A
        6BE0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E2E0E7E25F
        8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1
        EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7
        D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EDDEBE3
        DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE386A08E5F8A
        6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EB5F
        8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CD5F8A6B86A08EDDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEBE3DDEB
        E3DDEBE3DDEBE386A08E5F8A6BE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7F1EBE7
        F1EBE7F1EBE7F1EBE7F1EB5F8A6B5F8A6BC7D8CDC7D8CDC7D8CDC7D8CDC7D8CD
        C7D8CDC7D8CDC7D8CDC7D8CDC7D8CD5F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BCED9D1
        CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D1CED9D15F8A6B86A0
        8EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386
        A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACD
        C1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACD
        C1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F8A6B86A08EF1F8F3F1F8F3F1
        F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F386A08E5F8A6BF1F8F3
        F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F35F8A6B5F8A
        6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BACDC15F
        8A6B86A08EF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3
        F1F8F386A08E5F8A6BF1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8F3F1F8
        F3F1F8F3F1F8F35F8A6B5F8A6BBACDC1BACDC1BACDC1BACDC1BACDC1BACDC1BA
        CDC1BACDC1BACDC1BACDC15F8A6BFF00FF86A08E86A08E86A08E86A08E86A08E
        86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E
        86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00
        FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A0
        8E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF86A08E86A08E86A08E86A0
        8E86A08E86A08E86A08E86A08E86A08E86A08EFF00FFFF00FF5F8A6B5F8A6B5F
        8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00FF5F8A6B
        5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6BFF00FFFF00
        FF86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08E86A08EFF
        00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B
        5F8A6BFF00FFFF00FF5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A6B5F8A
        6B5F8A6B5F8A6BFF00FF}
      Shadow1Color = 7496537
      Shadow1Offset = 1
      Shadow1Blur = 5
      Shadow1Transparency = 50
      Version = 4.83
      Author = 'Tallyvo'
      Description = 'Piel Mostrador del puesto de venta'
    end
    item
      Name = 'Pizarra'
      GeneralData = <
        item
          SectionName = 'GLOBALINFO'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 60
          FontColor = '2501166 15724527 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientData = ' '
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = clWhite
        end
        item
          SectionName = 'DIVIDER'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'EDIT'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          ParentClass = 'TABCONTROL'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABCONTROLLEFT'
          ParentClass = 'TABCONTROL'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          ParentClass = 'TABCONTROL'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABBOTTOM'
          ParentClass = 'TABTOP'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 40
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TRACKBAR'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotTransparency = 100
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABLEFT'
          ParentClass = 'TABTOP'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 40
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'TABRIGHT'
          ParentClass = 'TABTOP'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 40
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'ALPHAEDIT'
          ParentClass = 'EDIT'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'BARPANEL'
          Color = 12499636
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13815755
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'BUTTON'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '14868444;13618118;100;0;0'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 60
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBTNTOP'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBAR1V'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLSLIDERH'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLSLIDERV'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '14868444;13618118;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotGradientPercent = 50
          HotGradientData = '15461096;14144720;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBAR2V'
          ParentClass = 'SCROLLBAR1V'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBAR2H'
          ParentClass = 'SCROLLBAR1H'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'SCROLLBAR1H'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'PANEL'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'PROGRESSV'
          Color = 7234137
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15526632 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 30
          GradientData = '11051163;7234137;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10919833
          HotGradientPercent = 30
          HotGradientData = '12959932;9669251;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'GAUGE'
          Color = 16579836
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16053235
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'GROUPBOX'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotTransparency = 100
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'CHECKBOX'
          Color = 13618118
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '2501166 -1 -1 -1 -1'
          HotFontColor = '2501166 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 14473429
          HotTransparency = 100
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'DRAGBAR'
          Color = 7234137
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15526632 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '11051163;7234137;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10919833
          HotGradientPercent = 40
          HotGradientData = '12959932;9669251;100;0;0'
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end
        item
          SectionName = 'MENUITEM'
          Color = 7234137
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '15526632 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 10919833
          BorderColor1 = 8091247
          BorderColor2 = 15526632
        end>
      Images = <
        item
          SectionName = 'EDIT'
          PropertyName = 'BORDERSMASK'
          Right = 36
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Right = 72
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Right = 108
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Right = 144
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Right = 180
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABLEFT'
          PropertyName = 'BORDERSMASK'
          Top = 12
          Right = 36
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 12
          Right = 72
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'ALPHAEDIT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 12
          Right = 108
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 12
          Right = 144
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 12
          Right = 180
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'BORDERSMASK'
          Top = 24
          Right = 36
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 24
          Right = 72
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 24
          Right = 108
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1V'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 24
          Right = 144
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 24
          Right = 180
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'BORDERSMASK'
          Top = 36
          Right = 36
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2V'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 36
          Right = 72
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2H'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 36
          Right = 108
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1H'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 36
          Right = 144
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PANEL'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 36
          Right = 180
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PROGRESSV'
          PropertyName = 'BORDERSMASK'
          Top = 48
          Right = 36
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GAUGE'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 48
          Right = 72
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GROUPBOX'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 48
          Right = 108
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'MENUITEM'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 48
          Right = 144
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONCLOSE'
          Left = 144
          Top = 48
          Right = 168
          Bottom = 56
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMAX'
          Top = 60
          Right = 24
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMIN'
          Left = 24
          Top = 60
          Right = 48
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONHELP'
          Left = 48
          Top = 60
          Right = 72
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONNORM'
          Left = 72
          Top = 60
          Right = 96
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SICONNORM'
          Left = 96
          Top = 60
          Right = 120
          Bottom = 68
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXCHECKED'
          Left = 120
          Top = 60
          Right = 159
          Bottom = 73
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXUNCHECKED'
          Top = 73
          Right = 39
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXGRAYED'
          Left = 39
          Top = 73
          Right = 78
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOCHECKED'
          Left = 78
          Top = 73
          Right = 117
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOUNCHECKED'
          Left = 117
          Top = 73
          Right = 156
          Bottom = 86
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLCHECKED'
          Top = 86
          Right = 30
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLUNCHECKED'
          Left = 30
          Top = 86
          Right = 60
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLGRAYED'
          Left = 60
          Top = 86
          Right = 90
          Bottom = 96
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'CHECK'
          Left = 90
          Top = 86
          Right = 111
          Bottom = 92
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'GRIPIMAGE'
          Left = 111
          Top = 86
          Right = 126
          Bottom = 91
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'GLYPHMASK'
          Left = 126
          Top = 86
          Right = 138
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'GLYPHMASK'
          Left = 138
          Top = 86
          Right = 150
          Bottom = 93
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'GLYPHMASK'
          Left = 150
          Top = 86
          Right = 171
          Bottom = 90
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'GLYPHMASK'
          Top = 96
          Right = 21
          Bottom = 100
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'GLYPHMASK'
          Left = 21
          Top = 96
          Right = 36
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'GLYPHMASK'
          Left = 36
          Top = 96
          Right = 51
          Bottom = 101
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERCHANNEL'
          Left = 51
          Top = 96
          Right = 87
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERMASK'
          Left = 87
          Top = 96
          Right = 102
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERVMASK'
          Left = 102
          Top = 96
          Right = 114
          Bottom = 103
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKHORZ'
          Left = 114
          Top = 96
          Right = 117
          Bottom = 99
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKVERT'
          Left = 117
          Top = 96
          Right = 126
          Bottom = 97
          ImageCount = 3
          ImgType = itisaGlyph
        end>
      MasterBitmap.Data = {
        06E40000424D06E40000000000003600000028000000B40000006C0000000100
        180000000000D0E30000C40E0000C40E00000000000000000000FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E6259
        6E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62
        596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E6259FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E6259FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E6259FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD86E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B
        766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD86E6259FF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FF
        6E6259FF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FF7B766FFF00FFFF00
        FFFF00FF6E6259FF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E
        6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        6E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD86E6259FF00FF7B766FC3C1BE7B766FFF00FFFF00FF6E6259BDB8B46E
        6259FF00FFFF00FF262A2E9D9FA0262A2EFF00FF7B766F7B766FFF00FFFF00FF
        6E62596E6259FF00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E
        FF00FF262A2EFF00FF262A2E6E6259FF00FF6E6259FF00FF6E62597B766FFF00
        FF7B766FFF00FF7B766F262A2EFF00FF262A2EFF00FF262A2E6E6259FF00FF6E
        6259FF00FF6E62597B766FFF00FF7B766FFF00FF7B766F7B766FFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E
        6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        6E62597B766FC3C1BEC3C1BEC3C1BE7B766F6E6259BDB8B4BDB8B4BDB8B46E62
        59262A2E9D9FA09D9FA09D9FA0262A2E7B766F7B766F7B766FFF00FF6E62596E
        62596E6259FF00FF262A2E262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E6259FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FF9D9FA026
        2A2E9D9FA0262A2EFF00FFBDB8B46E6259BDB8B46E6259FF00FFC3C1BE7B766F
        C3C1BE7B766FFF00FF9D9FA0262A2E9D9FA0262A2EFF00FFBDB8B46E6259BDB8
        B46E6259FF00FFC3C1BE7B766FC3C1BE7B766F7B766FFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B
        766FC3C1BEC3C1BEC3C1BE7B766F6E6259BDB8B4BDB8B4BDB8B46E6259262A2E
        9D9FA09D9FA09D9FA0262A2E7B766F7B766F7B766F7B766F6E62596E62596E62
        596E6259262A2E262A2E262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E26
        2A2E262A2EFF00FFFF00FFFF00FFFF00FF6E62596E62596E6259FF00FFFF00FF
        FF00FFFF00FF7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF262A2EFF00
        FF262A2EFF00FFFF00FF6E6259FF00FF6E6259FF00FFFF00FF7B766FFF00FF7B
        766FFF00FFFF00FF262A2EFF00FF262A2EFF00FFFF00FF6E6259FF00FF6E6259
        FF00FFFF00FF7B766FFF00FF7B766F7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FC3C1
        BEC3C1BEC3C1BE7B766F6E6259BDB8B4BDB8B4BDB8B46E6259262A2E9D9FA09D
        9FA09D9FA0262A2E7B766F7B766F7B766FFF00FF6E62596E62596E6259FF00FF
        262A2E262A2E262A2EFF00FF7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2E262A
        2E262A2EFF00FFFF00FF6E62596E62596E62596E62596E6259FF00FFFF00FF7B
        766F7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF9D9FA0262A2E
        FF00FFFF00FFFF00FFBDB8B46E6259FF00FFFF00FFFF00FFC3C1BE7B766FFF00
        FFFF00FFFF00FF9D9FA0262A2EFF00FFFF00FFFF00FFBDB8B46E6259FF00FFFF
        00FFFF00FFC3C1BE7B766F7B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259C8C6C3C8C6C3C8C6C3C8
        C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C36E62597B766FC3C1BEC3C1BE
        C3C1BE7B766F6E6259BDB8B4BDB8B4BDB8B46E6259262A2E9D9FA09D9FA09D9F
        A0262A2E7B766F7B766FFF00FFFF00FF6E62596E6259FF00FFFF00FF262A2E26
        2A2EFF00FFFF00FF7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2E262A2E262A2E262A2E
        262A2E6E62596E62596E62596E62596E62596E62596E62597B766F7B766F7B76
        6F7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF
        00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FF
        FF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00
        FFFF00FF7B766FFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E6259
        6E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E62
        596E62596E62596E62596E62596E6259FF00FF7B766F7B766F7B766F7B766F7B
        766F6E62596E62596E62596E62596E6259262A2E262A2E262A2E262A2E262A2E
        7B766FFF00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00FF262A2EFF00FFFF00
        FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        59FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E6259FF00FF
        FF00FF6E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E
        62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259
        7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF7B766FFCFCFCFCFCFCFCFCFC262A2EFCFCFCFCFCFCFCFCFCFCFCFC7B766F
        6E6259FCFCFCFCFCFCFCFCFC262A2EFCFCFCFCFCFCFCFCFCFCFCFC6E62596E62
        59E2E1DFE2E1DFE2E1DF262A2EE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B76
        6FFCFCFCFCFCFC262A2E262A2E262A2EFCFCFCFCFCFCFCFCFC7B766F6E6259FC
        FCFCFCFCFC262A2E262A2E262A2EFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DF
        E2E1DF262A2E262A2E262A2EE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFC262A2E9D9FA0262A
        2E9D9FA0262A2EFCFCFCFCFCFC7B766F6E6259FCFCFC262A2E9D9FA0262A2E9D
        9FA0262A2EFCFCFCFCFCFC6E62596E6259E2E1DF262A2E9D9FA0262A2E9D9FA0
        262A2EE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FF262A2EFF00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00FF7B766F262A2EFF
        00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFC
        262A2E262A2EFCFCFC262A2E262A2EFCFCFCFCFCFC7B766F6E6259FCFCFC262A
        2E262A2EFCFCFC262A2E262A2EFCFCFCFCFCFC6E62596E6259E2E1DF262A2E26
        2A2EE2E1DF262A2E262A2EE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFC9D9FA0262A2E9D9FA0262A2E
        9D9FA0FCFCFCFCFCFC7B766F6E6259FCFCFC9D9FA0262A2E9D9FA0262A2E9D9F
        A0FCFCFCFCFCFC6E62596E6259E2E1DF9D9FA0262A2E9D9FA0262A2E9D9FA0E2
        E1DFE2E1DF6E6259FF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2E
        FF00FFFF00FF6E62596E6259FF00FFFF00FF7B766F7B766F262A2E262A2EFF00
        FFFF00FF6E62596E6259FF00FFFF00FF7B766F7B766FFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFC262A2EFC
        FCFCFCFCFCFCFCFC262A2E262A2EFCFCFC7B766F6E6259FCFCFC262A2EFCFCFC
        FCFCFCFCFCFC262A2E262A2EFCFCFC6E62596E6259E2E1DF262A2EE2E1DFE2E1
        DFE2E1DF262A2E262A2EE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DF6E62597B766FFCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFC
        FCFCFCFCFC7B766F6E6259FCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFC
        FCFCFC6E62596E6259E2E1DF262A2E9D9FA0262A2E9D9FA0262A2EE2E1DFE2E1
        DF6E6259FF00FF262A2E262A2E262A2EFF00FFFF00FFFF00FFFF00FF6E62596E
        62596E6259FF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766FFF00FFFF00FF
        FF00FF7B766FFF00FF7B766FFF00FF7B766F7B766FFF00FF7B766FFF00FF7B76
        6F7B766FFF00FF7B766FFF00FF7B766FFF00FF262A2E262A2E262A2EFF00FF6E
        62596E62596E6259FF00FF7B766F7B766F7B766F262A2E262A2E262A2EFF00FF
        6E62596E62596E6259FF00FF7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC262A2E262A2E7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC262A2E262A2E6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DF262A2E262A2E6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DF6E62597B766FFCFCFC9D9FA0262A2E9D9FA0262A2E9D9FA0FCFCFCFCFC
        FC7B766F6E6259FCFCFC9D9FA0262A2E9D9FA0262A2E9D9FA0FCFCFCFCFCFC6E
        62596E6259E2E1DF9D9FA0262A2E9D9FA0262A2E9D9FA0E2E1DFE2E1DF6E6259
        262A2E262A2EFF00FF262A2E262A2EFF00FFFF00FF6E62596E6259FF00FF6E62
        596E6259FF00FFFF00FF7B766F7B766FFF00FF7B766F7B766FFF00FFFF00FFFF
        00FFC3C1BE7B766FC3C1BE7B766FFF00FFC3C1BE7B766FC3C1BE7B766FFF00FF
        C3C1BE7B766FC3C1BE7B766F262A2E262A2E262A2E262A2E6E62596E62596E62
        596E62597B766F7B766F7B766F7B766F262A2E262A2E262A2E262A2E6E62596E
        62596E62596E62597B766F7B766F7B766F7B766F262A2E262A2E262A2E262A2E
        262A2E262A2E262A2E6E62596E62596E62596E62596E62596E62596E62597B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFC262A2E7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFC262A2E6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DF262A2E6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E
        62597B766FFCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFCFCFCFC7B766F
        6E6259FCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFCFCFCFC6E62596E62
        59E2E1DF262A2E9D9FA0262A2E9D9FA0262A2EE2E1DFE2E1DF6E6259262A2EFF
        00FFFF00FFFF00FF262A2E262A2EFF00FF6E6259FF00FFFF00FFFF00FF6E6259
        6E6259FF00FF7B766FFF00FFFF00FFFF00FF7B766F7B766FFF00FFFF00FFFF00
        FF7B766FFF00FF7B766FFF00FFFF00FF7B766FFF00FF7B766FFF00FFFF00FF7B
        766FFF00FF7B766FFF00FF262A2E262A2E262A2EFF00FF6E62596E62596E6259
        FF00FF7B766F7B766F7B766F262A2E262A2E262A2EFF00FF6E62596E62596E62
        59FF00FF7B766F7B766F7B766FFF00FFFF00FF262A2E262A2E262A2E262A2E26
        2A2EFF00FFFF00FF6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC6E62596E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259
        6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259FCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259FF00FFFF00FFFF00
        FFFF00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FF6E62596E
        6259FF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766FFF00FFFF00FFFF00FF
        C3C1BE7B766FFF00FFFF00FFFF00FFC3C1BE7B766FFF00FFFF00FFFF00FFC3C1
        BE7B766FFF00FFFF00FF262A2E262A2EFF00FFFF00FF6E62596E6259FF00FFFF
        00FF7B766F7B766F262A2E262A2EFF00FFFF00FF6E62596E6259FF00FFFF00FF
        7B766F7B766FFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2EFF00FFFF00
        FFFF00FFFF00FF6E62596E62596E6259FF00FFFF00FFFF00FFFF00FF7B766F7B
        766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E6259FF00FF
        FF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E6259FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FF7B
        766FFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FF7B766F
        FF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00
        FF7B766F262A2EFF00FFFF00FFFF00FF6E6259FF00FFFF00FFFF00FF7B766FFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F
        7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62
        596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E
        62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E62596E
        6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E6259
        6E62596E62596E6259FF00FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E6259FF00FFFF00FFFF00FFFF00FF
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B
        766FFF00FFFF00FFFF00FFFF00FF6E62596E62596E62596E62596E62596E6259
        6E62596E62596E6259FF00FFFF00FFFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62
        596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DF6E6259FF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFF00FFFF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFF00FFFF00FFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFFF00FFFF00FF
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFF00FFFF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFF00FFFF00FFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B76
        6F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F
        6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259
        7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259
        6E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFC262A2E9D9FA0262A2E9D9FA026
        2A2EFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC262A2E9D9FA0
        262A2E9D9FA0262A2EFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1
        DF262A2E9D9FA0262A2E9D9FA0262A2EE2E1DFE2E1DFE2E1DF6E62597B766FFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E
        6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        6E62597B766FFCFCFCFCFCFCFCFCFC9D9FA0262A2E9D9FA0262A2E9D9FA0FCFC
        FCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC9D9FA0262A2E9D9FA026
        2A2E9D9FA0FCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF9D9FA0
        262A2E9D9FA0262A2E9D9FA0E2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFC
        FCFCFCFCFCFCFC262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E
        6259FCFCFCFCFCFCFCFCFCFCFCFC262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DF262A2E262A2EE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E
        6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B
        766FFCFCFCFCFCFCFCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFCFCFCFC
        FCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC262A2E9D9FA0262A2E9D9FA0262A
        2EFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF262A2E9D9FA026
        2A2E9D9FA0262A2EE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFC
        262A2E262A2E262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFC
        FCFCFCFCFCFCFC262A2E262A2E262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFC6E
        62596E6259E2E1DFE2E1DFE2E1DF262A2E262A2E262A2E262A2EE2E1DFE2E1DF
        E2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFC
        FCFCFCFCFCFCFC9D9FA0262A2E9D9FA0262A2E9D9FA0FCFCFCFCFCFCFCFCFC7B
        766F6E6259FCFCFCFCFCFCFCFCFC9D9FA0262A2E9D9FA0262A2E9D9FA0FCFCFC
        FCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF9D9FA0262A2E9D9FA0262A
        2E9D9FA0E2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFC262A2E26
        2A2E262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFC
        FCFCFC262A2E262A2E262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFC6E62596E62
        59E2E1DFE2E1DFE2E1DF262A2E262A2E262A2E262A2EE2E1DFE2E1DFE2E1DFE2
        E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFC
        FCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFCFCFCFCFCFCFC7B766F6E62
        59FCFCFCFCFCFCFCFCFC262A2E9D9FA0262A2E9D9FA0262A2EFCFCFCFCFCFCFC
        FCFC6E62596E6259E2E1DFE2E1DFE2E1DF262A2E9D9FA0262A2E9D9FA0262A2E
        E2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFC262A2E262A
        2EFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFC
        FCFC262A2E262A2EFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DF
        E2E1DFE2E1DFE2E1DF262A2E262A2EE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62
        597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62
        596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766F
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B76
        6F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        E2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259
        E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DF6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E62597B766FFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F
        6E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2
        E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FC6E62596E6259FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFC6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259FCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259
        FF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFF00FFFF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFF00FFFF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFF00FFFF00FFFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFF00FFFF00FFFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FF00FFFF00FFFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E
        62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FF
        FF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E62
        596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62
        596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FFFF
        00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FF
        FF00FFFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E6259FF00FFFF00FFFF00FFFF00FF6E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF6E62
        596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FFFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF
        6E62596E62596E62596E62596E62596E62596E62596E62596E62596E62596E62
        59FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E
        62596E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259
        6E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1
        DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1
        DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF7B766FFCFCFCFCFCFCFCFCFCFCFCFC262A2EFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFC262A2EFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF
        E2E1DF262A2EE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF262A2E262A2E262A2E262A2E262A2E262A2EFF00FFFF00FF6E62596E6259
        6E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B76
        6F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF7B766FFCFCFCFCFCFCFCFCFC262A2E262A2E262A2EFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFC262A2E262A2E262A2EFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DFE2E1DF262A2E26
        2A2E262A2EE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2E26
        2A2E262A2E262A2E262A2E262A2E6E62596E62596E62596E62596E62596E6259
        6E62596E62597B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F262A
        2E262A2E262A2E262A2E262A2E262A2EFF00FFFF00FF6E62596E62596E62596E
        62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F
        FF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF6E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B
        766F7B766FFF00FFFF00FFFF00FF262A2E262A2E262A2E262A2E262A2E262A2E
        FF00FFFF00FF6E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B76
        6F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF262A2E262A2E262A2E26
        2A2E262A2E262A2EFF00FFFF00FF6E62596E62596E62596E62596E62596E6259
        FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF7B76
        6FFCFCFCFCFCFC262A2E262A2EFCFCFC262A2E262A2EFCFCFCFCFCFCFCFCFCFC
        FCFC7B766F6E6259FCFCFCFCFCFC262A2E262A2EFCFCFC262A2E262A2EFCFCFC
        FCFCFCFCFCFCFCFCFC6E62596E6259E2E1DFE2E1DF262A2E262A2EE2E1DF262A
        2E262A2EE2E1DFE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF262A2E6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E
        62597B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF
        00FF6E6259FF00FFFF00FFFF00FFFF00FF6E6259FF00FFFF00FF7B766FFF00FF
        FF00FFFF00FFFF00FF7B766FFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00
        FF262A2EFF00FFFF00FF6E6259FF00FFFF00FFFF00FFFF00FF6E6259FF00FFFF
        00FF7B766FFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FF7B766FFCFCFC
        FCFCFC262A2EFCFCFCFCFCFCFCFCFC262A2E262A2EFCFCFCFCFCFCFCFCFC7B76
        6F6E6259FCFCFCFCFCFC262A2EFCFCFCFCFCFCFCFCFC262A2E262A2EFCFCFCFC
        FCFCFCFCFC6E62596E6259E2E1DFE2E1DF262A2EE2E1DFE2E1DFE2E1DF262A2E
        262A2EE2E1DFE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF262A2E6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E62597B76
        6FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E
        62596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766FFF00FF
        FF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2E6E62
        59FF00FFFF00FFFF00FFFF00FF6E62596E62596E62597B766FFF00FFFF00FFFF
        00FFFF00FF7B766F7B766F7B766F262A2EFF00FFFF00FFFF00FFFF00FF262A2E
        262A2E262A2E6E6259FF00FFFF00FFFF00FFFF00FF6E62596E62596E62597B76
        6FFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFC262A2E262A2EFCFCFCFCFCFC7B766F6E6259
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC262A2E262A2EFCFCFCFCFC
        FC6E62596E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF262A2E26
        2A2EE2E1DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF26
        2A2E6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E62597B766FFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E62
        596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766FFF00FFFF
        00FF262A2E262A2E262A2E262A2E262A2E262A2EFF00FF262A2E6E62596E6259
        6E62596E62596E62596E6259FF00FF6E62597B766F7B766F7B766F7B766F7B76
        6F7B766FFF00FF7B766F262A2E262A2E262A2E262A2E262A2E262A2EFF00FF26
        2A2E6E62596E62596E62596E62596E62596E6259FF00FF6E62597B766F7B766F
        7B766F7B766F7B766F7B766FFF00FF7B766F7B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFC262A2EFCFCFCFCFCFC7B766F6E6259FCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC262A2EFCFCFCFCFCFC6E6259
        6E6259E2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF262A2EE2E1
        DFE2E1DF6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E6E62
        59FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E62597B766FFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF262A2E262A2EFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF6E6259
        6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766FFF00FF262A
        2E262A2E262A2E262A2E262A2E262A2EFF00FF262A2E6E62596E62596E62596E
        62596E62596E6259FF00FF6E62597B766F7B766F7B766F7B766F7B766F7B766F
        FF00FF7B766F262A2E262A2E262A2E262A2E262A2E262A2EFF00FF262A2E6E62
        596E62596E62596E62596E62596E6259FF00FF6E62597B766F7B766F7B766F7B
        766F7B766F7B766FFF00FF7B766F7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259E2
        E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DFE2E1DF
        6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF262A2E262A2E262A2E262A2E262A2E262A2E262A2E262A2E6E62596E6259
        6E62596E62596E62596E62596E62596E62597B766F7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2EFF00FFFF00
        FF262A2E262A2EFF00FFFF00FF6E62596E6259FF00FFFF00FF6E62596E6259FF
        00FFFF00FF7B766F7B766FFF00FFFF00FF7B766F7B766FFF00FFFF00FFFF00FF
        262A2EFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FF6E6259FF00FFFF00
        FFFF00FFFF00FF6E6259FF00FFFF00FF7B766FFF00FFFF00FFFF00FFFF00FF7B
        766FFF00FFFF00FF262A2EFF00FFFF00FFFF00FFFF00FF262A2EFF00FFFF00FF
        6E6259FF00FFFF00FFFF00FFFF00FF6E6259FF00FFFF00FF7B766FFF00FFFF00
        FFFF00FFFF00FF7B766F7B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259FCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E62596E6259FCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC6E6259FF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A
        2E262A2E262A2E262A2E262A2E262A2E262A2E262A2E6E62596E62596E62596E
        62596E62596E62596E62596E62597B766F7B766F7B766F7B766F7B766F7B766F
        7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF262A2E262A2E262A2E262A2E
        FF00FFFF00FFFF00FFFF00FF6E62596E62596E62596E6259FF00FFFF00FFFF00
        FFFF00FF7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FF262A2E26
        2A2E262A2E262A2E262A2E262A2EFF00FFFF00FF6E62596E62596E62596E6259
        6E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766FFF00
        FFFF00FF262A2E262A2E262A2E262A2E262A2E262A2EFF00FFFF00FF6E62596E
        62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F
        7B766F7B766FFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E
        62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E6259
        6E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E62597B766F6E6259ADA6A0
        ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E62
        5971675E71675E71675E71675E71675E71675E71675E71675E71675E71675E6E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766F6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E62597B766F6E62
        59ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E
        62596E625971675E71675E71675E71675E71675E71675E71675E71675E71675E
        71675E6E6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0AD
        A6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E
        71675E71675E71675E71675E71675E71675E71675E71675E71675E6E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766F6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E62597B766F6E6259ADA6A0
        ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E62
        5971675E71675E71675E71675E71675E71675E71675E71675E71675E71675E6E
        6259FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF7B766F6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6
        A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71
        675E71675E71675E71675E71675E71675E71675E71675E6E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766F6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0AD
        A6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E
        71675E71675E71675E71675E71675E71675E71675E71675E71675E6E6259FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF7B766F6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0
        ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71675E7167
        5E71675E71675E71675E71675E71675E71675E6E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766F6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6
        A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71
        675E71675E71675E71675E71675E71675E71675E71675E6E6259FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF7B766F6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0AD
        A6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71675E71675E71675E
        71675E71675E71675E71675E71675E6E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766F6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0
        ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71675E7167
        5E71675E71675E71675E71675E71675E71675E6E6259262A2E262A2EFF00FFFF
        00FFFF00FFFF00FF262A2E262A2E6E62596E6259FF00FFFF00FFFF00FFFF00FF
        6E62596E62597B766F7B766FFF00FFFF00FFFF00FFFF00FF7B766F7B766FFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF7B766F6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6
        A0ADA6A0ADA6A06E62596E625971675E71675E71675E71675E71675E71675E71
        675E71675E71675E71675E6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766F6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0AD
        A6A0ADA6A0ADA6A0ADA6A06E62596E625971675E71675E71675E71675E71675E
        71675E71675E71675E71675E71675E6E6259FF00FF262A2E262A2EFF00FFFF00
        FF262A2E262A2EFF00FFFF00FF6E62596E6259FF00FFFF00FF6E62596E6259FF
        00FFFF00FF7B766F7B766FFF00FFFF00FF7B766F7B766FFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B76
        6F6E62596E62596E62596E62596E62596E62596E62596E62596E62596E62597B
        766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0
        ADA6A06E62596E625971675E71675E71675E71675E71675E71675E71675E7167
        5E71675E71675E6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766F6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E62597B766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6
        A0ADA6A0ADA6A06E62596E625971675E71675E71675E71675E71675E71675E71
        675E71675E71675E71675E6E6259FF00FFFF00FF262A2E262A2E262A2E262A2E
        FF00FFFF00FFFF00FFFF00FF6E62596E62596E62596E6259FF00FFFF00FFFF00
        FFFF00FF7B766F7B766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E62597B766F6E62
        59ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E
        62596E625971675E71675E71675E71675E71675E71675E71675E71675E71675E
        71675E6E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6F6E62596E62596E62596E62596E62596E62596E62596E62596E62596E62597B
        766F6E6259ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0
        ADA6A06E62596E625971675E71675E71675E71675E71675E71675E71675E7167
        5E71675E71675E6E6259FF00FFFF00FFFF00FF262A2E262A2EFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF6E62596E6259FF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E62597B766F6E6259ADA6A0
        ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E62596E62
        5971675E71675E71675E71675E71675E71675E71675E71675E71675E71675E6E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766F6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E62597B766F6E62
        59ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A0ADA6A06E
        62596E625971675E71675E71675E71675E71675E71675E71675E71675E71675E
        71675E6E6259FF00FFFF00FF262A2E262A2E262A2E262A2EFF00FFFF00FFFF00
        FFFF00FF6E62596E62596E62596E6259FF00FFFF00FFFF00FFFF00FF7B766F7B
        766F7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766FECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259736A61
        736A61736A61736A61736A61736A61736A61736A61736A61736A616E62597B76
        6FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B
        766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE86E62596E6259C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6
        C3C8C6C3C8C6C36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9
        A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E62
        59736A61736A61736A61736A61736A61736A61736A61736A61736A61736A616E
        6259FF00FF262A2E262A2EFF00FFFF00FF262A2E262A2EFF00FFFF00FF6E6259
        6E6259FF00FFFF00FF6E62596E6259FF00FFFF00FF7B766F7B766FFF00FFFF00
        FF7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FF262A
        2E262A2EFF00FFFF00FFFF00FFFF00FF262A2E262A2E6E62596E6259FF00FFFF
        00FFFF00FFFF00FF6E62596E62597B766F7B766FFF00FFFF00FFFF00FFFF00FF
        7B766F7B766FFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F
        7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FF7B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3AD
        A9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259C8C6C3C8C6C3C8
        C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C36E62597B766FECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E62
        59ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E
        62596E6259C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3
        C8C6C36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE86E62596E6259C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3
        C8C6C3C8C6C3C8C6C3C8C6C3C8C6C36E62597B766FECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3
        ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E6259FF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F
        7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FF7B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3
        ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B76
        6FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B
        766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9
        A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9
        A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E62
        59C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C36E
        62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3AD
        A9A3ADA9A3ADA9A3ADA9A36E6259FF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F
        7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FF7B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3AD
        A9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3AD
        A9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E62
        59ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E
        62596E6259C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3
        C8C6C36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3
        ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3
        ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E6259FF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B
        766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F
        7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B
        766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FF7B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFCFCFCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4
        F3F2F4F3F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC
        FCFCFC7B766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3
        F2F4F3F2F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DB
        DAD8DBDAD8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B
        766F6E6259F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2
        F4F3F26E62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDA
        D8DBDAD8DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E62
        59BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E62
        59F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E
        62596E6259DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8
        DBDAD86E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B76
        6FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B
        766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CF
        CBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7
        DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5
        B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FFCFCFCFCFCFCFC
        FCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFCFC7B766F6E6259F4F3F2
        F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F2F4F3F26E62596E62
        59DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD8DBDAD86E
        62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDA
        D7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BA
        B5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FCFCBC6
        CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC67B766F6E62
        59DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD76E
        62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B06E62597B766FCFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCBC6CFCB
        C6CFCBC6CFCBC67B766F6E6259DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DDDAD7DD
        DAD7DDDAD7DDDAD7DDDAD76E62596E6259BAB5B0BAB5B0BAB5B0BAB5B0BAB5B0
        BAB5B0BAB5B0BAB5B0BAB5B0BAB5B06E62597B766FECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259C8C6C3
        C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C3C8C6C36E62597B76
        6FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B
        766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9
        A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9
        A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E62597B766FECEAE8ECEAE8EC
        EAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE87B766F6E6259ECEAE8
        ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE86E62596E62
        59ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A36E
        62597B766FECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8
        ECEAE87B766F6E6259ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEAE8ECEA
        E8ECEAE8ECEAE86E62596E6259ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3ADA9A3AD
        A9A3ADA9A3ADA9A3ADA9A36E6259FF00FF7B766F7B766F7B766F7B766F7B766F
        7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62
        596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF7B766F
        7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00
        FF6E62596E62596E62596E62596E62596E62596E62596E62596E62596E6259FF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B76
        6F7B766F7B766FFF00FFFF00FF6E62596E62596E62596E62596E62596E62596E
        62596E62596E62596E6259FF00FFFF00FF6E62596E62596E62596E62596E6259
        6E62596E62596E62596E62596E6259FF00FFFF00FF7B766F7B766F7B766F7B76
        6F7B766F7B766F7B766F7B766F7B766F7B766FFF00FFFF00FF6E62596E62596E
        62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00FF6E6259
        6E62596E62596E62596E62596E62596E62596E62596E62596E6259FF00FFFF00
        FF7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766F7B766FFF
        00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62596E6259
        6E6259FF00FFFF00FF6E62596E62596E62596E62596E62596E62596E62596E62
        596E62596E6259FF00FF}
      Shadow1Color = 7496537
      Shadow1Offset = 1
      Shadow1Blur = 5
      Shadow1Transparency = 50
      Version = 4.83
      Author = 'Tallyvo'
      Description = 'Piel Pizarra del puesto de venta'
    end
    item
      Name = 'Sereno'
      GeneralData = <
        item
          SectionName = 'GLOBALINFO'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 60
          FontColor = '5059883 16771002 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientData = ' '
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = clWhite
        end
        item
          SectionName = 'DIVIDER'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          ParentClass = 'TABCONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABCONTROLLEFT'
          ParentClass = 'TABCONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          ParentClass = 'TABCONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABBOTTOM'
          ParentClass = 'TABTOP'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 40
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TRACKBAR'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABLEFT'
          ParentClass = 'TABTOP'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 40
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABRIGHT'
          ParentClass = 'TABTOP'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 40
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'ALPHAEDIT'
          ParentClass = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BARPANEL'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          ShowFocus = True
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBTNTOP'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLSLIDERH'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLSLIDERV'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBAR2V'
          ParentClass = 'SCROLLBAR1V'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBAR2H'
          ParentClass = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SCROLLBAR1H'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PANEL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PROGRESSV'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 30
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 30
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'GAUGE'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'GROUPBOX'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'CHECKBOX'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'DRAGBAR'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 40
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'MENUITEM'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'RADIOBUTTON'
          ParentClass = 'CHECKBOX'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SPEEDBUTTON'
          ParentClass = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SPEEDBUTTON_SMALL'
          ParentClass = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'STATUSBAR'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TOOLBUTTON'
          ParentClass = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'WEBBUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABTOP'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 40
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 40
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PAGECONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PAGECONTROLBOTTOM'
          ParentClass = 'PAGECONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PAGECONTROLLEFT'
          ParentClass = 'PAGECONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PAGECONTROLRIGHT'
          ParentClass = 'PAGECONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BAR'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PROGRESSH'
          ParentClass = 'PROGRESSV'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 30
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 30
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TABCONTROL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'MENULINE'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BUTTON_BIG'
          ParentClass = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'COLHEADER'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 50
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 50
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'FORMTITLE'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 70
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 70
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'SPLITTER'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'MAINMENU'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'ICOLINE'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'EXTRALINE'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 60
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'DIALOG'
          ParentClass = 'FORM'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'PANEL_LOW'
          ParentClass = 'PANEL'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'GRIPH'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          Transparency = 100
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotTransparency = 100
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BARTITLE'
          Color = 11569754
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '16249318 -1 -1 -1 -1'
          HotFontColor = '16777215 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '13613212;11569754;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 13613209
          HotGradientPercent = 60
          HotGradientData = '14667965;12953732;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'FORM'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'HINT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'BUTTON_HUGE'
          ParentClass = 'BUTTON'
          Color = 15591641
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          GradientPercent = 60
          GradientData = '16052712;15591641;100;0;0'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15854814
          HotGradientPercent = 60
          HotGradientData = '16250351;15788764;100;0;0'
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'TOOLBAR'
          Color = 14472646
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 15262164
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'COMBOBOX'
          ParentClass = 'EDIT'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
          SectionName = 'ALPHACOMBOBOX'
          ParentClass = 'COMBOBOX'
          Color = clWhite
          ShadowBlur = 6
          ShadowOffset = 3
          ShadowTransparency = 50
          FontColor = '5059883 -1 -1 -1 -1'
          HotFontColor = '5059883 -1 -1 -1 -1'
          FadingIntervalIn = 5
          FadingIntervalOut = 5
          FadingIterations = 5
          HotColor = 16513267
          BorderColor1 = 10259322
          BorderColor2 = 16249318
        end
        item
        end>
      Images = <
        item
          SectionName = 'EDIT'
          PropertyName = 'BORDERSMASK'
          Right = 36
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Right = 72
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Right = 108
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROLRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Right = 144
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Right = 180
          Bottom = 12
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABLEFT'
          PropertyName = 'BORDERSMASK'
          Top = 12
          Right = 36
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 12
          Right = 72
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'ALPHAEDIT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 12
          Right = 108
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 12
          Right = 144
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 12
          Right = 180
          Bottom = 24
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'BORDERSMASK'
          Top = 24
          Right = 36
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 24
          Right = 72
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 24
          Right = 108
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1V'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 24
          Right = 144
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 24
          Right = 180
          Bottom = 36
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'BORDERSMASK'
          Top = 36
          Right = 36
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2V'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 36
          Right = 72
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR2H'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 36
          Right = 108
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SCROLLBAR1H'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 36
          Right = 144
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PANEL'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 36
          Right = 180
          Bottom = 48
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PROGRESSV'
          PropertyName = 'BORDERSMASK'
          Top = 48
          Right = 36
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GAUGE'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 48
          Right = 72
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GROUPBOX'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 48
          Right = 108
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'MENUITEM'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 48
          Right = 144
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SPEEDBUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 48
          Right = 180
          Bottom = 60
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'SPEEDBUTTON_SMALL'
          PropertyName = 'BORDERSMASK'
          Top = 60
          Right = 36
          Bottom = 72
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'STATUSBAR'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 60
          Right = 72
          Bottom = 72
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TOOLBUTTON'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 60
          Right = 108
          Bottom = 72
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABTOP'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 60
          Right = 144
          Bottom = 72
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PAGECONTROL'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 60
          Right = 180
          Bottom = 72
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PAGECONTROLBOTTOM'
          PropertyName = 'BORDERSMASK'
          Top = 72
          Right = 36
          Bottom = 84
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PAGECONTROLLEFT'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 72
          Right = 72
          Bottom = 84
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PAGECONTROLRIGHT'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 72
          Right = 108
          Bottom = 84
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BAR'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 72
          Right = 144
          Bottom = 84
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PROGRESSH'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 72
          Right = 180
          Bottom = 84
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TABCONTROL'
          PropertyName = 'BORDERSMASK'
          Top = 84
          Right = 36
          Bottom = 96
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON_BIG'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 84
          Right = 72
          Bottom = 96
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'COLHEADER'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 84
          Right = 108
          Bottom = 96
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'FORMTITLE'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 84
          Right = 144
          Bottom = 96
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'DIALOG'
          PropertyName = 'BORDERSMASK'
          Left = 144
          Top = 84
          Right = 180
          Bottom = 96
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'PANEL_LOW'
          PropertyName = 'BORDERSMASK'
          Top = 96
          Right = 36
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BARTITLE'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 96
          Right = 72
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'FORM'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 96
          Right = 108
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'HINT'
          PropertyName = 'BORDERSMASK'
          Left = 108
          Top = 96
          Right = 144
          Bottom = 108
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'BUTTON_HUGE'
          Image.Data = {
            46050000424D46050000000000003600000028000000240000000C0000000100
            18000000000010050000C40E0000C40E00000000000000000000FF00FF9C8B7A
            9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
            FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
            00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
            B08A5AFF00FF9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
            D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
            ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
            D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
            D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
            ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
            D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
            7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
            8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
            F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
            C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
            E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
            F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
            C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
            E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
            F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
            5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
            8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
            EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
            DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
            D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
            EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
            DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
            D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
            EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
            5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
            8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
            D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
            D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
            ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
            D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
            E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
            F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
            CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5AFF00
            FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
            00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
            B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
            5AB08A5AB08A5AFF00FF}
          Name = 'BUTTON_HUGE_BORDERSMASK'
          PropertyName = 'BORDERSMASK'
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TOOLBAR'
          PropertyName = 'BORDERSMASK'
          Top = 108
          Right = 36
          Bottom = 120
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'COMBOBOX'
          PropertyName = 'BORDERSMASK'
          Left = 36
          Top = 108
          Right = 72
          Bottom = 120
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'ALPHACOMBOBOX'
          PropertyName = 'BORDERSMASK'
          Left = 72
          Top = 108
          Right = 108
          Bottom = 120
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONCLOSE'
          Left = 108
          Top = 108
          Right = 132
          Bottom = 116
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMAX'
          Left = 132
          Top = 108
          Right = 156
          Bottom = 116
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONMIN'
          Left = 156
          Top = 108
          Right = 180
          Bottom = 116
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONHELP'
          Top = 120
          Right = 24
          Bottom = 128
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BICONNORM'
          Left = 24
          Top = 120
          Right = 48
          Bottom = 128
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SICONNORM'
          Left = 48
          Top = 120
          Right = 72
          Bottom = 128
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXCHECKED'
          Left = 72
          Top = 120
          Right = 111
          Bottom = 133
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXUNCHECKED'
          Left = 111
          Top = 120
          Right = 150
          Bottom = 133
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'BOXGRAYED'
          Top = 133
          Right = 39
          Bottom = 146
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOCHECKED'
          Left = 39
          Top = 133
          Right = 78
          Bottom = 146
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'RADIOUNCHECKED'
          Left = 78
          Top = 133
          Right = 117
          Bottom = 146
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLCHECKED'
          Left = 117
          Top = 133
          Right = 147
          Bottom = 143
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLUNCHECKED'
          Left = 147
          Top = 133
          Right = 177
          Bottom = 143
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'SMALLGRAYED'
          Top = 146
          Right = 30
          Bottom = 156
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'CHECK'
          Left = 30
          Top = 146
          Right = 51
          Bottom = 152
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'GLOBALINFO'
          PropertyName = 'GRIPIMAGE'
          Left = 51
          Top = 146
          Right = 66
          Bottom = 151
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNLEFT'
          PropertyName = 'GLYPHMASK'
          Left = 66
          Top = 146
          Right = 78
          Bottom = 153
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNRIGHT'
          PropertyName = 'GLYPHMASK'
          Left = 78
          Top = 146
          Right = 90
          Bottom = 153
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNTOP'
          PropertyName = 'GLYPHMASK'
          Left = 90
          Top = 146
          Right = 111
          Bottom = 150
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLBTNBOTTOM'
          PropertyName = 'GLYPHMASK'
          Left = 111
          Top = 146
          Right = 132
          Bottom = 150
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERH'
          PropertyName = 'GLYPHMASK'
          Left = 132
          Top = 146
          Right = 147
          Bottom = 151
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'SCROLLSLIDERV'
          PropertyName = 'GLYPHMASK'
          Left = 147
          Top = 146
          Right = 162
          Bottom = 151
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'COMBOBOX'
          PropertyName = 'GLYPHMASK'
          Top = 156
          Right = 21
          Bottom = 160
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'ALPHACOMBOBOX'
          PropertyName = 'GLYPHMASK'
          Left = 21
          Top = 156
          Right = 42
          Bottom = 160
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'ALPHACOMBOBOX'
          PropertyName = 'SICONNORM'
          Left = 42
          Top = 156
          Right = 66
          Bottom = 164
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'BARTITLE'
          PropertyName = 'ABORDERSMASK'
          Left = 66
          Top = 156
          Right = 102
          Bottom = 168
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERCHANNEL'
          Left = 102
          Top = 156
          Right = 138
          Bottom = 168
          ImageCount = 3
          WL = 4
          WR = 4
          WT = 4
          WB = 4
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERMASK'
          Left = 138
          Top = 156
          Right = 153
          Bottom = 163
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'SLIDERVMASK'
          Left = 153
          Top = 156
          Right = 165
          Bottom = 163
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKHORZ'
          Left = 165
          Top = 156
          Right = 168
          Bottom = 159
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'TRACKBAR'
          PropertyName = 'TICKVERT'
          Left = 168
          Top = 156
          Right = 177
          Bottom = 157
          ImageCount = 3
          ImgType = itisaGlyph
        end
        item
          SectionName = 'FORM'
          PropertyName = 'PATTERN'
          Top = 168
          Right = 16
          Bottom = 184
          ImageCount = 1
          ImgType = itisaTexture
        end
        item
          SectionName = 'DIALOG'
          PropertyName = 'PATTERN'
          Left = 16
          Top = 168
          Right = 32
          Bottom = 184
          ImageCount = 1
          ImgType = itisaTexture
        end
        item
          SectionName = 'FORMTITLE'
          PropertyName = 'PATTERN'
          Left = 32
          Top = 168
          Right = 48
          Bottom = 184
          ImageCount = 1
          ImgType = itisaTexture
        end
        item
          SectionName = 'FORMTITLE'
          PropertyName = 'HOTPATTERN'
          Left = 48
          Top = 168
          Right = 64
          Bottom = 184
          ImageCount = 1
          ImgType = itisaTexture
        end
        item
          SectionName = 'BAR'
          Image.Data = {
            96030000424D96030000000000003600000028000000180000000C0000000100
            18000000000060030000C40E0000C40E00000000000000000000B08A5AB08A5A
            B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FF}
          Name = 'BAR_IMGTOPRIGHT'
          PropertyName = 'IMGTOPRIGHT'
          ImageCount = 1
          ImgType = itisaGlyph
        end
        item
          SectionName = 'DIALOG'
          Image.Data = {
            96030000424D96030000000000003600000028000000180000000C0000000100
            18000000000060030000C40E0000C40E00000000000000000000B08A5AB08A5A
            B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FF}
          Name = 'DIALOG_IMGTOPRIGHT'
          PropertyName = 'IMGTOPRIGHT'
          ImageCount = 1
          ImgType = itisaGlyph
        end
        item
          SectionName = 'FORM'
          Image.Data = {
            96030000424D96030000000000003600000028000000180000000C0000000100
            18000000000060030000C40E0000C40E00000000000000000000B08A5AB08A5A
            B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
            FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
            FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFFF00FFFF00FFFF00FFFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5A
            B08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BD
            A0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF
            00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF00FFC7AB88C7AB88
            C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6DECDB6FF00FFEADF
            CEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A70BB9A70BB9A70FF
            00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF00FFDECDB6DECDB6
            DECDB6FF00FFEADFCEEADFCEEADFCEFF00FFB08A5AB08A5AB08A5AFF00FFBB9A
            70BB9A70BB9A70FF00FFC7AB88C7AB88C7AB88FF00FFD3BDA0D3BDA0D3BDA0FF
            00FFDECDB6DECDB6DECDB6FF00FFEADFCEEADFCEEADFCEFF00FF}
          Name = 'FORM_IMGTOPRIGHT'
          PropertyName = 'IMGTOPRIGHT'
          ImageCount = 1
          ImgType = itisaGlyph
        end>
      MasterBitmap.Data = {
        56840100424D56840100000000003600000028000000B4000000B80000000100
        18000000000020840100C40E0000C40E00000000000000000000EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFE6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFE6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFEDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFE6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9F2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFE6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1
        E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0
        D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6E0D1E6
        E0D1E6E0D1E6E0D1E6E0D1E6E0D1EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9FF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7A
        B08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5A
        B08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A
        9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7A
        B08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FF4D352B4D352B4D352B4D352B4D352B4D352BFF00FFFF00FFB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7AFF00FFFF00FF9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5A
        B08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDB08A5AFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF
        00FFFF00FFFF00FF4D352BFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFB08A5A
        FF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        4D352BFF00FFFF00FFFF00FFFF00FF4D352BFF00FFFF00FFB08A5AFF00FFFF00
        FFFF00FFFF00FFB08A5AFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF9C
        8B7AFF00FFFF00FF9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A
        FF00FF9C8B7AD2CAC39C8B7AFF00FFFF00FFB08A5ADBCAB4B08A5AFF00FFFF00
        FF4D352BAEA49F4D352BFF00FF9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AFF
        00FFFF00FF4D352B4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352BFF
        00FFFF00FFFF00FFFF00FF4D352B4D352B4D352BB08A5AFF00FFFF00FFFF00FF
        FF00FFB08A5AB08A5AB08A5A9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B
        7A9C8B7A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AD2
        CAC3D2CAC3D2CAC39C8B7AB08A5ADBCAB4DBCAB4DBCAB4B08A5A4D352BAEA49F
        AEA49FAEA49F4D352B9C8B7A9C8B7A9C8B7AFF00FFB08A5AB08A5AB08A5AFF00
        FF4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FF4D352B4D352B4D35
        2B4D352B4D352B4D352BFF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AFF00FFB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A
        9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AD2CAC3D2CA
        C3D2CAC39C8B7AB08A5ADBCAB4DBCAB4DBCAB4B08A5A4D352BAEA49FAEA49FAE
        A49F4D352B9C8B7A9C8B7A9C8B7A9C8B7AB08A5AB08A5AB08A5AB08A5A4D352B
        4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D
        352B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFFF00FF
        FF00FFFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FF4D352B4D35
        2B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFFF00FFFF
        00FFFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FF4D352B4D352B4D352B4D352B
        4D352B4D352BFF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00
        FFB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A9C8B7AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7A
        B08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AD2CAC3D2CAC3D2CAC3
        9C8B7AB08A5ADBCAB4DBCAB4DBCAB4B08A5A4D352BAEA49FAEA49FAEA49F4D35
        2B9C8B7A9C8B7A9C8B7AFF00FFB08A5AB08A5AB08A5AFF00FF4D352B4D352B4D
        352BFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352B4D352B4D35
        2B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FF4D352B4D352B4D352B4D352B
        4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF
        00FFFF00FF4D352BFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FFB08A5A
        FF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7AF7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5A
        B08A5AA88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A
        66B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AD2CAC3D2CAC3D2CAC39C8B7AB0
        8A5ADBCAB4DBCAB4DBCAB4B08A5A4D352BAEA49FAEA49FAEA49F4D352B9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AFF00FFFF00FF4D352B4D352BFF00FFFF00
        FF9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352B4D352B4D352B4D352B4D352B
        4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A4D352B4D352B4D352B4D352B4D352B4D352B4D
        352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FF4D352B4D352B4D352B4D352B4D35
        2B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF
        00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF
        FF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AB08A5AB08A
        5AB08A5AB08A5AB08A5A4D352B4D352B4D352B4D352B4D352B9C8B7AFF00FFFF
        00FFFF00FFB08A5AFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB0
        8A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7A
        B08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A
        5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B
        7AFFFFFF4D352BAEA49F4D352BAEA49F4D352BFFFFFFFFFFFF9C8B7AB08A5AFF
        FFFF4D352BAEA49F4D352BAEA49F4D352BFFFFFFFFFFFFB08A5AB08A5AEBE7E4
        4D352BAEA49F4D352BAEA49F4D352BEBE7E4EBE7E4B08A5AFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFB08A5AFF00FFFF
        00FFFF00FF9C8B7A4D352BFF00FFFF00FFFF00FFB08A5AFF00FFFF00FFFF00FF
        9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFF
        AEA49F4D352BAEA49F4D352BAEA49FFFFFFFFFFFFF9C8B7AB08A5AFFFFFFAEA4
        9F4D352BAEA49F4D352BAEA49FFFFFFFFFFFFFB08A5AB08A5AEBE7E4AEA49F4D
        352BAEA49F4D352BAEA49FEBE7E4EBE7E4B08A5AFF00FFFF00FF4D352BFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF4D352B4D352BFF00FFFF00FFB08A5AB08A5AFF00FFFF00FF9C8B
        7A9C8B7A4D352B4D352BFF00FFFF00FFB08A5AB08A5AFF00FFFF00FF9C8B7A9C
        8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFF4D352BAE
        A49F4D352BAEA49F4D352BFFFFFFFFFFFF9C8B7AB08A5AFFFFFF4D352BAEA49F
        4D352BAEA49F4D352BFFFFFFFFFFFFB08A5AB08A5AEBE7E44D352BAEA49F4D35
        2BAEA49F4D352BEBE7E4EBE7E4B08A5AFF00FF4D352B4D352B4D352BFF00FFFF
        00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A
        9C8B7A9C8B7AFF00FFFF00FFFF00FF9C8B7AFF00FF9C8B7AFF00FF9C8B7A9C8B
        7AFF00FF9C8B7AFF00FF9C8B7A9C8B7AFF00FF9C8B7AFF00FF9C8B7AFF00FF4D
        352B4D352B4D352BFF00FFB08A5AB08A5AB08A5AFF00FF9C8B7A9C8B7A9C8B7A
        4D352B4D352B4D352BFF00FFB08A5AB08A5AB08A5AFF00FF9C8B7A9C8B7A9C8B
        7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF4D352BFF00FF4D352BFF00FF4D352BB08A5AFF00FFB08A5AFF00FFB08A5A
        9C8B7AFF00FF9C8B7AFF00FF9C8B7A4D352BFF00FF4D352BFF00FF4D352BB08A
        5AFF00FFB08A5AFF00FFB08A5A9C8B7AFF00FF9C8B7AFF00FF9C8B7AFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFFAEA49F4D352BAEA4
        9F4D352BAEA49FFFFFFFFFFFFF9C8B7AB08A5AFFFFFFAEA49F4D352BAEA49F4D
        352BAEA49FFFFFFFFFFFFFB08A5AB08A5AEBE7E4AEA49F4D352BAEA49F4D352B
        AEA49FEBE7E4EBE7E4B08A5A4D352B4D352BFF00FF4D352B4D352BFF00FFFF00
        FFB08A5AB08A5AFF00FFB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7AFF00FF9C
        8B7A9C8B7AFF00FFFF00FFFF00FFD2CAC39C8B7AD2CAC39C8B7AFF00FFD2CAC3
        9C8B7AD2CAC39C8B7AFF00FFD2CAC39C8B7AD2CAC39C8B7A4D352B4D352B4D35
        2B4D352BB08A5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A9C8B7A4D352B4D
        352B4D352B4D352BB08A5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A9C8B7A
        4D352B4D352B4D352B4D352B4D352B4D352B4D352BB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5A
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00
        FFAEA49F4D352BAEA49F4D352BFF00FFDBCAB4B08A5ADBCAB4B08A5AFF00FFD2
        CAC39C8B7AD2CAC39C8B7AFF00FFAEA49F4D352BAEA49F4D352BFF00FFDBCAB4
        B08A5ADBCAB4B08A5AFF00FFD2CAC39C8B7AD2CAC39C8B7AFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFF4D352BAEA49F4D352BAEA49F
        4D352BFFFFFFFFFFFF9C8B7AB08A5AFFFFFF4D352BAEA49F4D352BAEA49F4D35
        2BFFFFFFFFFFFFB08A5AB08A5AEBE7E44D352BAEA49F4D352BAEA49F4D352BEB
        E7E4EBE7E4B08A5A4D352BFF00FFFF00FFFF00FF4D352B4D352BFF00FFB08A5A
        FF00FFFF00FFFF00FFB08A5AB08A5AFF00FF9C8B7AFF00FFFF00FFFF00FF9C8B
        7A9C8B7AFF00FFFF00FFFF00FF9C8B7AFF00FF9C8B7AFF00FFFF00FF9C8B7AFF
        00FF9C8B7AFF00FFFF00FF9C8B7AFF00FF9C8B7AFF00FF4D352B4D352B4D352B
        FF00FFB08A5AB08A5AB08A5AFF00FF9C8B7A9C8B7A9C8B7A4D352B4D352B4D35
        2BFF00FFB08A5AB08A5AB08A5AFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FF4D
        352B4D352B4D352B4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00
        FF4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF
        00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FF
        4D352BFF00FF4D352BFF00FFFF00FFB08A5AFF00FFB08A5AFF00FFFF00FF9C8B
        7AFF00FF9C8B7AFF00FFFF00FF4D352BFF00FF4D352BFF00FFFF00FFB08A5AFF
        00FFB08A5AFF00FFFF00FF9C8B7AFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFB08A5AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFB08A5AFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352BFF00FFFF00FFFF
        00FFFF00FFFF00FFB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7A
        9C8B7AFF00FFFF00FFFF00FFD2CAC39C8B7AFF00FFFF00FFFF00FFD2CAC39C8B
        7AFF00FFFF00FFFF00FFD2CAC39C8B7AFF00FFFF00FF4D352B4D352BFF00FFFF
        00FFB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A4D352B4D352BFF00FFFF00FF
        B08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FF4D35
        2B4D352B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AFF00FFFF
        00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FF4D352B4D352B
        4D352B4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AFF00
        FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFAE
        A49F4D352BFF00FFFF00FFFF00FFDBCAB4B08A5AFF00FFFF00FFFF00FFD2CAC3
        9C8B7AFF00FFFF00FFFF00FFAEA49F4D352BFF00FFFF00FFFF00FFDBCAB4B08A
        5AFF00FFFF00FFFF00FFD2CAC39C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFF
        00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FF
        FF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00
        FFB08A5AFF00FFFF00FFFF00FF9C8B7A4D352BFF00FFFF00FFFF00FFB08A5AFF
        00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FF4D352B4D352B4D352B4D352B4D
        352B4D352B4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FF4D35
        2BFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7AFF
        00FFFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FFB08A5AFF00FF
        FF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00
        FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FF
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00
        FFFF00FFEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4FF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFEBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4FF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B
        7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5A
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5A
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A
        9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FF9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFF4D35
        2BAEA49F4D352BAEA49F4D352BFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFF
        FFFFFFFFFF4D352BAEA49F4D352BAEA49F4D352BFFFFFFFFFFFFFFFFFFB08A5A
        B08A5AEBE7E4EBE7E4EBE7E44D352BAEA49F4D352BAEA49F4D352BEBE7E4EBE7
        E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4B08A5AFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFFAEA49F4D352B
        AEA49F4D352BAEA49FFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFF
        FFAEA49F4D352BAEA49F4D352BAEA49FFFFFFFFFFFFFFFFFFFB08A5AB08A5AEB
        E7E4EBE7E4EBE7E4AEA49F4D352BAEA49F4D352BAEA49FEBE7E4EBE7E4EBE7E4
        B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFF4D352B4D352BFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFF4D352B4D352BFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4
        4D352B4D352BEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB0
        8A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFF4D352BFFFFFFFF
        FFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFF4D352BFFFFFFFFFFFF
        FFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E44D352BEBE7E4EBE7E4EBE7
        E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        B08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A
        5AFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFF4D352BAEA49F4D352BAE
        A49F4D352BFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFF4D352B
        AEA49F4D352BAEA49F4D352BFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7
        E4EBE7E44D352BAEA49F4D352BAEA49F4D352BEBE7E4EBE7E4EBE7E4B08A5A9C
        8B7AFFFFFFFFFFFFFFFFFF4D352B4D352B4D352B4D352BFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFF4D352B4D352B4D352B4D352BFFFF
        FFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E44D352B4D352B4D
        352B4D352BEBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB0
        8A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFF4D352B4D352B4D352BFFFFFFFFFF
        FFFFFFFF9C8B7AB08A5AFFFFFFFFFFFF4D352B4D352B4D352BFFFFFFFFFFFFFF
        FFFFB08A5AB08A5AEBE7E4EBE7E44D352B4D352B4D352BEBE7E4EBE7E4EBE7E4
        B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B
        7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB0
        8A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FF
        FF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFFAEA49F4D352BAEA49F4D352BAEA4
        9FFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFAEA49F4D352BAE
        A49F4D352BAEA49FFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4
        AEA49F4D352BAEA49F4D352BAEA49FEBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFF
        FFFFFFFFFFFFFF4D352B4D352B4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFFFFFFFFFFFFFFFFFF4D352B4D352B4D352B4D352BFFFFFFFFFFFF
        FFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E44D352B4D352B4D352B4D35
        2BEBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A
        5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4B08A5A9C8B7AFFFFFF4D352B4D352BFFFFFF4D352B4D352BFFFFFFFFFFFF
        9C8B7AB08A5AFFFFFF4D352B4D352BFFFFFF4D352B4D352BFFFFFFFFFFFFB08A
        5AB08A5AEBE7E44D352B4D352BEBE7E44D352B4D352BEBE7E4EBE7E4B08A5A9C
        8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5A
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF
        00FF9C8B7AFFFFFFFFFFFFFFFFFF4D352BAEA49F4D352BAEA49F4D352BFFFFFF
        FFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFF4D352BAEA49F4D352BAEA4
        9F4D352BFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E44D352BAE
        A49F4D352BAEA49F4D352BEBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFF
        FFFFFFFFFFFF4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFFFFFFFFFFFFFFFFFFFFFFFF4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E44D352B4D352BEBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A
        5A9C8B7AFFFFFF4D352BFFFFFFFFFFFFFFFFFF4D352B4D352BFFFFFF9C8B7AB0
        8A5AFFFFFF4D352BFFFFFFFFFFFFFFFFFF4D352B4D352BFFFFFFB08A5AB08A5A
        EBE7E44D352BEBE7E4EBE7E4EBE7E44D352B4D352BEBE7E4B08A5A9C8B7AFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FF9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A
        5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7A
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D352B4D352B9C8B7AB08A5AFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D352B4D352BB08A5AB08A5AEBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E44D352B4D352BB08A5A9C8B7AFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FF9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B
        7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5A
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D352B9C8B7AB08A5AFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D352BB08A5AB08A5AEBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E44D352BB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5A
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFB08A5AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFB08A5AFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FF
        FF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFF00FFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FF9C8B7AFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFB08A5AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF
        FF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF
        00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF
        FF00FFFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FF9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A
        5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B
        7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5A
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFF4D352BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5A
        FFFFFFFFFFFFFFFFFFFFFFFF4D352BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E44D352BEBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFFFFFFFFFFFFFFFFFF4D35
        2B4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFF
        FFFFFFFFFF4D352B4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5A
        B08A5AEBE7E4EBE7E4EBE7E44D352B4D352B4D352BEBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D
        352B4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7AFF00FFFF00FFFF00FF4D35
        2B4D352B4D352B4D352B4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        FF00FFFF00FF4D352B4D352B4D352B4D352B4D352B4D352BFF00FFFF00FFB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7AFF00FFFF00FF9C8B7AFFFFFFFFFFFF4D352B4D352BFFFFFF
        4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFF4D35
        2B4D352BFFFFFF4D352B4D352BFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEB
        E7E4EBE7E44D352B4D352BEBE7E44D352B4D352BEBE7E4EBE7E4EBE7E4EBE7E4
        B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352BFF00FF
        FF00FFFF00FFFF00FF4D352BFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00
        FFB08A5AFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF
        00FF4D352BFF00FFFF00FFFF00FFFF00FF4D352BFF00FFFF00FFB08A5AFF00FF
        FF00FFFF00FFFF00FFB08A5AFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00
        FF9C8B7AFF00FFFF00FF9C8B7AFFFFFFFFFFFF4D352BFFFFFFFFFFFFFFFFFF4D
        352B4D352BFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFF4D352BFFFFFF
        FFFFFFFFFFFF4D352B4D352BFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7
        E44D352BEBE7E4EBE7E4EBE7E44D352B4D352BEBE7E4EBE7E4EBE7E4B08A5A9C
        8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352BFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF9C8B7A9C8B7AFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF
        00FFFF00FF4D352B4D352B4D352BB08A5AFF00FFFF00FFFF00FFFF00FFB08A5A
        B08A5AB08A5A9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A4D35
        2BFF00FFFF00FFFF00FFFF00FF4D352B4D352B4D352BB08A5AFF00FFFF00FFFF
        00FFFF00FFB08A5AB08A5AB08A5A9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D35
        2B4D352BFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFF4D352B4D352BFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4EBE7E44D352B4D352BEBE7E4EBE7E4B08A5A9C8B7AFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352BFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FF9C8B7A9C8B7AFF00FFFF00FF4D352B4D352B4D352B4D352B4D35
        2B4D352BFF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFB0
        8A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A4D352B4D352B
        4D352B4D352B4D352B4D352BFF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AFF00FFB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C
        8B7A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF4D352B
        FFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFF4D352BFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4EBE7E4EBE7E44D352BEBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4
        EBE7E4EBE7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352B4D352BFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF9C8B7A9C8B7AFF00FF4D352B4D352B4D352B4D352B4D352B4D352B
        FF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFB08A5A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A4D352B4D352B4D352B4D
        352B4D352B4D352BFF00FF4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        FF00FFB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFF9C8B7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFB08A5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7
        E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A
        5AB08A5AEBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EBE7E4EB
        E7E4EBE7E4B08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FF4D352B4D352BFF00FFFF00FF4D352B4D352BFF00FFFF00FFB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7AFF00FFFF00
        FF9C8B7A9C8B7AFF00FFFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FF4D
        352BFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FFB08A5AFF00FFFF00FF
        9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FF4D352BFF00FFFF00
        FFFF00FFFF00FF4D352BFF00FFFF00FFB08A5AFF00FFFF00FFFF00FFFF00FFB0
        8A5AFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B
        7AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFB08A5AB08A5AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFB08A5AB08A5A
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FF4D352B4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A
        FF00FFFF00FFFF00FFFF00FF4D352B4D352B4D352B4D352B4D352B4D352BFF00
        FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FF4D352B4D352B4D352B4D352B
        4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00
        FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FF
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7ADCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7ADCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FF9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FF9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D35
        2B4D352B4D352B4D352B4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        FF00FFFF00FF9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A4D352B4D352BFF00FFFF00FFFF00FFFF00FF4D352B4D
        352BB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFB08A5AB08A5A9C8B7A9C8B7A
        FF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A4D352B4D352B4D352B4D352B4D35
        2B4D352B4D352B4D352BB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A4D352B4D352B
        4D352B4D352B4D352B4D352BFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF
        00FF9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5AFF00FF4D352B4D352BFF00FFFF00FF4D352B4D352BFF00FFFF00
        FFB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7AFF
        00FFFF00FF9C8B7A9C8B7AFF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FF4D352BB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5A9C8B
        7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B
        7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C
        8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5AFF00FFFF00FF4D352B4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FF
        B08A5AB08A5AB08A5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B
        7A9C8B7AFF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D
        352BB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5A9C8B7AFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7ADCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A
        5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00
        FFFF00FFFF00FF4D352B4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB0
        8A5AB08A5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7AFF00FF
        FF00FFFF00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352BB08A
        5AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFB08A5A9C8B7AFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7ADCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5AFF00FFFF00FF
        4D352B4D352B4D352B4D352BFF00FFFF00FFFF00FFFF00FFB08A5AB08A5AB08A
        5AB08A5AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF
        00FF4D352BFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF4D352BB08A5AFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFB08A5A9C8B7AFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FF9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AC2B7A7
        C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7B08A5A9C8B
        7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C
        8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5AFF00FF4D352B4D352BFF
        00FFFF00FF4D352B4D352BFF00FFFF00FFB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7AFF00FFFF00FF9C8B7A9C8B7AFF00FF4D35
        2B4D352B4D352B4D352B4D352B4D352B4D352B4D352BB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF
        00FFFF00FFFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FF4D352B4D352BFF00FFFF00FFFF00
        FFFF00FF4D352B4D352BB08A5AB08A5AFF00FFFF00FFFF00FFFF00FFB08A5AB0
        8A5A9C8B7A9C8B7AFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A4D352B4D352B
        4D352B4D352B4D352B4D352B4D352B4D352BB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7AFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FF
        FF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00FFFF00
        FFFF00FFFF00FFFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FF9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C
        8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AA88A66A88A66A8
        8A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66B08A5A9C8B7AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A
        5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9
        D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5AFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C
        8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C
        8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A
        5AA88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5AFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FF9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C
        8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A
        5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C
        8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A
        5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AC2B7A7C2B7A7C2B7A7C2B7A7C2B7A7
        C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AA88A66
        A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66A88A66B08A5AFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C
        8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A
        5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C6DCD5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DC
        D5C6DCD5C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6
        E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5
        C6DCD5C6DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9
        E3D6E9E3D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7ADCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6DCD5C6
        DCD5C69C8B7AB08A5AE9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3D6E9E3
        D6E9E3D6E9E3D6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C
        8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6B08A5AB08A5AC2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7A7C2B7
        A7C2B7A7C2B7A7B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5AFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FF9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C
        8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C
        8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A
        5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B0
        8A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A
        5AAB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BD
        A0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB
        8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0D3
        BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A62AB8A62
        AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5A9C8B7AB08A5AD3BDA0D3BDA0D3BDA0D3BDA0D3BDA0
        D3BDA0D3BDA0D3BDA0D3BDA0D3BDA0B08A5AB08A5AAB8A62AB8A62AB8A62AB8A
        62AB8A62AB8A62AB8A62AB8A62AB8A62AB8A62B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5AA88A66A88A66A88A66A88A66A88A66A88A66A8
        8A66A88A66A88A66A88A66B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7
        D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A
        5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AA88A66A88A66A88A66A88A66A88A66
        A88A66A88A66A88A66A88A66A88A66B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5AFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C
        8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A
        5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5AFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FF9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A
        5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9
        D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5AFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B
        7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C
        8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2
        B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0
        C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A
        5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3B08A5AFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B
        7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FF9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C
        8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A
        5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B0
        8A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A
        5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8
        F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6
        E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2
        FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2
        DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2EC
        DFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8
        D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9
        EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A
        5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB0
        8A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1
        D8D0C1B08A5A9C8B7AFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
        FFFFFFFFFFFFFF9C8B7AB08A5AFBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FBF8F2FB
        F8F2FBF8F2FBF8F2FBF8F2B08A5AB08A5AE6E2DDE6E2DDE6E2DDE6E2DDE6E2DD
        E6E2DDE6E2DDE6E2DDE6E2DDE6E2DDB08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8
        D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2
        ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1
        D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B
        7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C
        8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDFF2ECDFF2ECDFF2ECDFF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A5AD8D0C1D8D0C1D8D0C1D8D0
        C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B08A5A9C8B7AEDE8D9EDE8D9ED
        E8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D9EDE8D99C8B7AB08A5AF2ECDF
        F2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFF2ECDFB08A5AB08A
        5AD8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1D8D0C1B0
        8A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6B08A5AB08A5AD7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7D0C9D7
        D0C9D7D0C9D7D0C9D7D0C9B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CC
        C2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6
        F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A
        5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B0
        8A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3CCC2B3CCC2B3CCC2B3CCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5A9C8B7AF7F1E6F7F1E6F7F1E6F7F1
        E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E69C8B7AB08A5AF7F1E6F7F1E6F7
        F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6F7F1E6B08A5AB08A5ACCC2B3
        CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3CCC2B3B08A5AFF00
        FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF
        00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C
        8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5A
        B08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00
        FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF
        00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AFF00FFFF00FF9C8B7A9C8B7A9C8B7A9C8B7A9C8B7A
        9C8B7A9C8B7A9C8B7A9C8B7A9C8B7AFF00FFFF00FFB08A5AB08A5AB08A5AB08A
        5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FFFF00FFB08A5AB08A5AB0
        8A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AB08A5AFF00FF}
      Shadow1Color = 7496537
      Shadow1Offset = 1
      Shadow1Blur = 5
      Shadow1Transparency = 50
      Version = 5.0
      Author = 'Tallyvo'
      Description = 'Piel Sereno del puesto de venta'
    end>
end
